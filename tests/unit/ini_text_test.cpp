#include "platform/common/ini_text.h"

#include <gtest/gtest.h>

#include "../tables/ini_read_table.h"

namespace {

using namespace std::string_literals;

// The rows' expected values are what Windows' GetPrivateProfileString returns for the same files
// (checked under Wine).
TEST(IniRead, ReadsAsWindowsReads) {
    for (const IniSampleRow& row : kIniSampleRows) {
        SCOPED_TRACE(row.section + "/" + row.key);
        EXPECT_EQ(ReadProfileValue(kIniSample, row.section, row.key, "DEF"), row.expected);
    }
}

TEST(IniRead, SpecialFiles) {
    for (const IniFileRow& row : kIniFileRows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ReadProfileValue(row.file, row.section, row.key, "DEF"), row.expected);
    }
}

TEST(IniRead, DefaultsLoseTheirTrailingBlanksOnly) {
    for (const IniDefaultRow& row : kIniDefaultRows) {
        SCOPED_TRACE(row.defaultValue);
        EXPECT_EQ(ReadProfileValue("", "s", "k", row.defaultValue), row.expected);
    }
}

TEST(IniWrite, ChangesOnlyItsOwnLine) {
    const std::string base =
        "; top comment\n# hash comment\n\n[First]\n  a  =  1  \nnoeq line\n;c=1\n\n[Second]\nb=2\n\n\n[Third]\nc=3";
    struct Case {
        const char* name;
        std::string before;
        std::string section, key, value;
        std::string after;
    };
    const Case cases[] = {
        {"new key after the section's last line", base, "First", "newkey", "newval",
         "; top comment\n# hash comment\n\n[First]\n  a  =  1  \nnoeq line\n;c=1\nnewkey=newval\n\n[Second]\nb=2\n\n\n[Third]\nc=3"},
        {"new section at the end, unterminated last line", base, "NewSect", "k", "v", base + "\n[NewSect]\nk=v\n"},
        {"same value: untouched", base, "Second", "b", "2", base},
        {"same value read through quotes: untouched", "[S]\nk=\"v\"\n", "S", "k", "v", "[S]\nk=\"v\"\n"},
        {"changed in place, spacing before '=' kept", base, "First", "A", "9",
         "; top comment\n# hash comment\n\n[First]\n  a  =9\nnoeq line\n;c=1\n\n[Second]\nb=2\n\n\n[Third]\nc=3"},
        {"key keeps its spelling", "[S]\nk=old\n", "S", "K", "new", "[S]\nk=new\n"},
        {"section matched regardless of case", "[First]\na=1\n", "first", "b", "2", "[First]\na=1\nb=2\n"},
        {"first of duplicate sections", "[D]\nk=1\n[D]\nk=2\n", "D", "k", "3", "[D]\nk=3\n[D]\nk=2\n"},
        {"value exactly as given", "[S]\na=1\n", "S", "v", "  spaced  ", "[S]\na=1\nv=  spaced  \n"},
        {"quotes and '=' as given", "[S]\na=1\n", "S", "v", "\"q\" a=b", "[S]\na=1\nv=\"q\" a=b\n"},
        {"empty value keeps the key", "[S]\nv=x\n", "S", "v", "", "[S]\nv=\n"},
        {"line breaks become blanks", "[S]\na=1\n", "S", "v", "l1\r\nl2\n[X]", "[S]\na=1\nv=l1  l2 [X]\n"},
        {"a value ends at NUL", "[S]\n", "S", "v", "ab\0cd"s, "[S]\nv=ab\n"},
        {"CRLF file gets CRLF lines", "[S]\r\na=1\r\n\r\n[T]\r\n", "S", "b", "2", "[S]\r\na=1\r\nb=2\r\n\r\n[T]\r\n"},
        {"mixed line breaks: a new key takes the break of the line before it, so a lone CR "
         "cannot join the LF of the blank line after it", "a\r[S]\nb=1\n\n[T]\n", "S", "k", "v",
         "a\r[S]\nb=1\nk=v\n\n[T]\n"},
        {"CRLF file, new section", "[S]\r\na=1\r\n", "N", "k", "v", "[S]\r\na=1\r\n[N]\r\nk=v\r\n"},
        {"bytes kept, byte-order mark too", "\xEF\xBB\xBF[S]\na=1\n", "S", "v", "caf\xC3\xA9",
         "\xEF\xBB\xBF[S]\na=1\nv=caf\xC3\xA9\n"},
        {"empty file", "", "Setup", "Korvo path", "emu", "[Setup]\nKorvo path=emu\n"},
        {"only a byte-order mark", "\xEF\xBB\xBF", "S", "k", "v", "\xEF\xBB\xBF[S]\nk=v\n"},
        {"section last in the file, unterminated", "[A]\nx=1\n[S]\na=1", "S", "b", "2", "[A]\nx=1\n[S]\na=1\nb=2\n"},
        {"replacing a value that held a NUL", "[S]\nk=ab\0cd\nz=1\n"s, "S", "k", "new", "[S]\nk=new\nz=1\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(WithIniValue(c.before, c.section, c.key, c.value), c.after);
    }
}

TEST(IniWrite, WhatIsWrittenReadsBack) {
    const std::string values[] = {"x:\\emulator\\mac\\korvo\\korvo.exe -keyboard Suomi", "Wordpad.exe", "",
                                  "a=b", "\"quoted\" inside", "caf\xC3\xA9", std::string(4095, 'z')};
    std::string file = "; mine\r\n[Other]\r\nKorvo path=keep\r\n";
    for (const std::string& value : values) {
        file = WithIniValue(file, "Setup", "Korvo path", value);
        EXPECT_EQ(ReadProfileValue(file, "Setup", "Korvo path", "DEF"), value);
        EXPECT_EQ(ReadProfileValue(file, "Other", "Korvo path", "DEF"), "keep");
    }
}

TEST(IniWrite, NamesThatWouldBreakTheFileAreRefused) {
    EXPECT_TRUE(IsWritableIniName("Setup", "Korvo path"));
    EXPECT_FALSE(IsWritableIniName("", "k"));
    EXPECT_FALSE(IsWritableIniName("S", "  "));
    EXPECT_FALSE(IsWritableIniName("S]", "k"));
    EXPECT_FALSE(IsWritableIniName("S", "k=v"));
    EXPECT_FALSE(IsWritableIniName("S\n[T", "k"));
    EXPECT_FALSE(IsWritableIniName("S", "k\r"));
    // "[Last]=" or "[k=v]" would read as a section line.
    EXPECT_FALSE(IsWritableIniName("S", "[Last]"));
    EXPECT_FALSE(IsWritableIniName("S", " \t[k"));
    EXPECT_TRUE(IsWritableIniName("S", "k[0]"));
}

}  // namespace
