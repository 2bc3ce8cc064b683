#include "platform/common/ini_text.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

// One file with every shape of line; the expected values are what Windows' profile functions
// return for it.
const std::string kSample =
    "; comment line\r\n"
    "# hash line\r\n"
    "[Plain]\r\n"
    "key=value\r\n"
    "  spaced key  =  spaced value  \r\n"
    "tab\tkey\t=\tval\t\r\n"
    "dq=\"double quoted\"\r\n"
    "sq='single quoted'\r\n"
    "dqs=  \"dq outer spaces\"  \r\n"
    "halfq=\"only leading\r\n"
    "halfq2=only trailing\"\r\n"
    "mixq=\"mixed'\r\n"
    "inner=a \"b\" c\r\n"
    "qq=\"\"\r\n"
    "q1=\"\r\n"
    "inq=\" x \"\r\n"
    "eq=a=b=c\r\n"
    "empty=\r\n"
    "ws=   \r\n"
    "noeq line\r\n"
    "dup=first\r\n"
    "dup=second\r\n"
    "Case=Upper\r\n"
    ";commented=1\r\n"
    "#hashkey=1\r\n"
    "k;semi=1\r\n"
    "tc=value ; trailing comment\r\n"
    "=novalkey\r\n"
    "  [Indented]\r\n"
    "ik=iv\r\n"
    "[ Spaced Sect ]\r\n"
    "sk=sv\r\n"
    "[plain]\r\n"
    "dup2=fromsecond\r\n"
    "dup=third\r\n"
    "[Dup]\r\n"
    "x=1\r\n"
    "[Dup]\r\n"
    "x=2\r\n"
    "y=3\r\n"
    "[Last]\r\n"
    "tail=end\r\n";

struct ReadCase {
    std::string section;
    std::string key;
    std::string expected;
};

void ExpectReads(const std::string& file, const std::vector<ReadCase>& cases) {
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.section + "/" + c.key);
        EXPECT_EQ(ReadProfileValue(file, c.section, c.key, "DEF"), c.expected);
    }
}

TEST(IniRead, ReadsAsWindowsReads) {
    ExpectReads(kSample, {
        {"Plain", "key", "value"},
        {"PLAIN", "KEY", "value"},
        {"plain", "Case", "Upper"},
        {"Plain", "spaced key", "spaced value"},
        {"Plain", "  spaced key  ", "spaced value"},
        {"Plain", "tab\tkey", "val"},
        {"Plain", "dq", "double quoted"},
        {"Plain", "sq", "single quoted"},
        {"Plain", "dqs", "dq outer spaces"},
        {"Plain", "halfq", "\"only leading"},
        {"Plain", "halfq2", "only trailing\""},
        {"Plain", "mixq", "\"mixed'"},
        {"Plain", "inner", "a \"b\" c"},
        {"Plain", "qq", ""},
        {"Plain", "q1", "\""},
        {"Plain", "inq", " x "},
        {"Plain", "eq", "a=b=c"},
        {"Plain", "empty", ""},
        {"Plain", "ws", ""},
        {"Plain", "nosuch", "DEF"},
        {"Plain", "noeq line", "DEF"},
        {"Plain", "noeq", "DEF"},
        {"Plain", "dup", "first"},
        {"Plain", "dup2", "DEF"},
        {"Dup", "x", "1"},
        {"Dup", "y", "DEF"},
        {"Plain", ";commented", "1"},
        {"Plain", "#hashkey", "1"},
        {"Plain", "k;semi", "1"},
        {"Plain", "k", "DEF"},
        {"Plain", "tc", "value ; trailing comment"},
        {"Plain", "", "novalkey"},
        {"Indented", "ik", "iv"},
        {"Spaced Sect", "sk", "sv"},
        {" Spaced Sect ", "sk", "sv"},
        {"NoSect", "key", "DEF"},
        {"Last", "tail", "end"},
    });
}

TEST(IniRead, DefaultsLoseTheirTrailingBlanksOnly) {
    EXPECT_EQ(ReadProfileValue("", "s", "k", "  spaced default  "), "  spaced default");
    EXPECT_EQ(ReadProfileValue("", "Setup", "Korvo path", "korvo.exe -keyboard Suomi "), "korvo.exe -keyboard Suomi");
    EXPECT_EQ(ReadProfileValue("", "s", "k", ""), "");
}

TEST(IniRead, SpecialFiles) {
    const std::string longValue = std::string(4090, 'x') + "ABCDEFGHIJ" + std::string(900, 'y');
    struct Case {
        const char* name;
        std::string file;
        std::string key;
        std::string expected;
    };
    const Case cases[] = {
        {"no final line break", "[s]\r\nk=last", "k", "last"},
        {"CR-only line ends", "[s]\rk=v\rk2=w\r", "k2", "w"},
        {"LF line ends", "[s]\nk=v\nk2=w\n", "k2", "w"},
        {"a long value is cut to 4095 bytes", "[s]\r\nk=" + longValue + "\r\nk2=after\r\n", "k",
         std::string(4090, 'x') + "ABCDE"},
        {"the line after a long value", "[s]\r\nk=" + longValue + "\r\nk2=after\r\n", "k2", "after"},
        {"UTF-8 bytes are returned as they are", "[s]\r\nk=caf\xC3\xA9 \xE2\x82\xAC\r\n", "k", "caf\xC3\xA9 \xE2\x82\xAC"},
        {"any other bytes too", "[s]\r\nk=\x81\x8D\x8F\x90\x9D\xA0\xFF\r\n", "k", "\x81\x8D\x8F\x90\x9D\xA0\xFF"},
        {"a byte-order mark is skipped", "\xEF\xBB\xBF[s]\r\nk=caf\xC3\xA9\r\n", "k", "caf\xC3\xA9"},
        {"NUL ends a value", "[s]\r\nk=ab\0cd\r\nk2=after\r\n"s, "k", "ab"},
        {"and the rest reads normally", "[s]\r\nk=ab\0cd\r\nk2=after\r\n"s, "k2", "after"},
        {"a line of only NUL", "[t]\r\nk=w\r\n\0\r\n[s]\r\nk=v\r\n"s, "k", "v"},
        {"^Z is white space", "[s]\r\nk=v\x1A\r\n", "k", "v"},
        {"garbage before the section", "\x01\xFF\x80[x\r\n=]]\r\n[s]\r\nk=v\r\n", "k", "v"},
        {"empty file", "", "k", "DEF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadProfileValue(c.file, "s", c.key, "DEF"), c.expected);
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
