#include "platform/common/reg_text.h"

#include <gtest/gtest.h>

namespace {

constexpr char kKey[] = "HKEY_CLASSES_ROOT\\Unknown\\shell\\open\\command";
constexpr char kCommand[] = "/opt/k/bin/korvlink \"%1\"";
constexpr char kLine[] = "@=\"/opt/k/bin/korvlink \\\"%1\\\"\"";

TEST(RegText, StringsEscapeBackslashesAndQuotes) {
    const struct {
        std::string data;
        std::string literal;
    } cases[] = {
        {"", "\"\""},
        {"\"C:\\Program Files\\k.exe\" \"%1\"", "\"\\\"C:\\\\Program Files\\\\k.exe\\\" \\\"%1\\\"\""},
        {"ends in \\", "\"ends in \\\\\""},
        {"two\r\nlines", "\"two  lines\""},
        {std::string("cut\0here", 8), "\"cut\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.data);
        EXPECT_EQ(RegStringLiteral(c.data), c.literal);
    }
}

TEST(RegText, SettingTheDefaultValueChangesOnlyItsOwnLine) {
    const std::string key = std::string("[") + kKey + "]";
    const std::string line = kLine;
    const struct {
        const char* name;
        std::string file;
        std::string expected;
    } cases[] = {
        {"new file", "", "REGEDIT4\n\n" + key + "\n" + line + "\n"},
        {"other keys", "REGEDIT4\n\n[HKEY_CURRENT_USER\\x]\n\"a\"=\"b\"\n",
         "REGEDIT4\n\n[HKEY_CURRENT_USER\\x]\n\"a\"=\"b\"\n\n" + key + "\n" + line + "\n"},
        {"other keys, CRLF, no final line break", "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\x]",
         "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\x]\r\n\r\n" + key + "\r\n" + line + "\r\n"},
        {"ends in a blank line", "REGEDIT4\n\n", "REGEDIT4\n\n" + key + "\n" + line + "\n"},
        {"old value, key spelt in other case",
         "REGEDIT4\n\n[hkey_classes_root\\UNKNOWN\\Shell\\Open\\Command]\n\"x\"=\"y\"\n@=\"old\"\n\n[HKEY_CURRENT_USER\\z]\n@=\"keep\"\n",
         "REGEDIT4\n\n[hkey_classes_root\\UNKNOWN\\Shell\\Open\\Command]\n\"x\"=\"y\"\n" + line +
             "\n\n[HKEY_CURRENT_USER\\z]\n@=\"keep\"\n"},
        {"key without a default value", "REGEDIT4\r\n\r\n" + key + "\r\n\"x\"=\"y\"\r\n",
         "REGEDIT4\r\n\r\n" + key + "\r\n" + line + "\r\n\"x\"=\"y\"\r\n"},
        {"key line ends the file", "REGEDIT4\n\n" + key, "REGEDIT4\n\n" + key + "\n" + line + "\n"},
        {"same value again", "REGEDIT4\n\n" + key + "\n" + line + "  \n",
         "REGEDIT4\n\n" + key + "\n" + line + "  \n"},
        {"a parent key is another key", "REGEDIT4\n\n[HKEY_CLASSES_ROOT\\Unknown\\shell\\open]\n@=\"x\"\n",
         "REGEDIT4\n\n[HKEY_CLASSES_ROOT\\Unknown\\shell\\open]\n@=\"x\"\n\n" + key + "\n" + line + "\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(WithRegDefaultValue(c.file, kKey, kCommand), c.expected);
    }
}

}  // namespace
