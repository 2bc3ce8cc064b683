#pragma once

// Profile files and what a read of them returns, as Windows' GetPrivateProfileString returns it.
// Shared by the unit test of our reader and by the Wine check, which reads the same files with
// the real function (default "DEF", buffer 4096).

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The bytes of a literal, NULs included.
template <std::size_t N>
std::string IniBytes(const char (&text)[N]) {
    return std::string(text, N - 1);
}

// One file with every shape of line.
inline const std::string kIniSample =
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

struct IniSampleRow {
    std::string section, key, expected;
};

inline const std::vector<IniSampleRow> kIniSampleRows = {
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
};

struct IniFileRow {
    const char* name;
    std::string file;
    std::string section, key, expected;
    // What Windows returns where korvlink deliberately reads otherwise.
    std::optional<std::string> windowsValue = std::nullopt;
};

inline const std::string kIniLongValue = std::string(4090, 'x') + "ABCDEFGHIJ" + std::string(900, 'y');

inline const std::vector<IniFileRow> kIniFileRows = {
    {"no final line break", "[s]\r\nk=last", "s", "k", "last"},
    {"CR-only line ends", "[s]\rk=v\rk2=w\r", "s", "k2", "w"},
    {"LF line ends", "[s]\nk=v\nk2=w\n", "s", "k2", "w"},
    {"a long value is cut to 4095 bytes", "[s]\r\nk=" + kIniLongValue + "\r\nk2=after\r\n", "s", "k",
     std::string(4090, 'x') + "ABCDE"},
    {"the line after a long value", "[s]\r\nk=" + kIniLongValue + "\r\nk2=after\r\n", "s", "k2", "after"},
    {"UTF-8 bytes are returned as they are", "[s]\r\nk=caf\xC3\xA9 \xE2\x82\xAC\r\n", "s", "k",
     "caf\xC3\xA9 \xE2\x82\xAC"},
    {"any other bytes too", "[s]\r\nk=\x81\x8D\x8F\x90\x9D\xA0\xFF\r\n", "s", "k", "\x81\x8D\x8F\x90\x9D\xA0\xFF"},
    // Windows decodes a file with a UTF-8 byte-order mark into the ANSI code page; korvlink's
    // Linux files are UTF-8 throughout, so it keeps the bytes.
    {"a byte-order mark is skipped", "\xEF\xBB\xBF[s]\r\nk=caf\xC3\xA9\r\n", "s", "k", "caf\xC3\xA9", "caf\xE9"},
    {"NUL ends a value", IniBytes("[s]\r\nk=ab\0cd\r\nk2=after\r\n"), "s", "k", "ab"},
    {"and the rest reads normally", IniBytes("[s]\r\nk=ab\0cd\r\nk2=after\r\n"), "s", "k2", "after"},
    {"a line of only NUL", IniBytes("[t]\r\nk=w\r\n\0\r\n[s]\r\nk=v\r\n"), "s", "k", "v"},
    {"^Z is white space", "[s]\r\nk=v\x1A\r\n", "s", "k", "v"},
    {"garbage before the section", "\x01\xFF\x80[x\r\n=]]\r\n[s]\r\nk=v\r\n", "s", "k", "v"},
    {"empty file", "", "s", "k", "DEF"},
    {"'[' without ']' is an ordinary line", "[s]\r\na=1\r\n[abc\r\nk=v\r\n", "s", "k", "v"},
    {"... and names no section", "[s]\r\na=1\r\n[abc\r\nk=v\r\n", "abc", "k", "DEF"},
    {"text after ']' is ignored", "[t]\r\n[s]=y\r\nk=v\r\n", "s", "k", "v"},
    {"... and makes no key", "[s]\r\n[x]=y\r\nk=v\r\n", "s", "[x]", "DEF"},
    {"a section name runs to the last ']'", "[a]b]\r\nk=v\r\n", "a]b", "k", "v"},
    {"an empty section ends the one before", "[s]\r\na=1\r\n[]\r\nk=v\r\n", "s", "k", "DEF"},
    {"... and cannot be read", "[s]\r\na=1\r\n[]\r\nk=v\r\n", "", "k", "DEF"},
};

// A missing key returns the default less its trailing blanks: only blanks, and never its first
// character.
struct IniDefaultRow {
    std::string defaultValue, expected;
};

inline const std::vector<IniDefaultRow> kIniDefaultRows = {
    {"  spaced default  ", "  spaced default"},
    {"x:\\emulator\\mac\\korvo\\korvo.exe -keyboard Suomi ", "x:\\emulator\\mac\\korvo\\korvo.exe -keyboard Suomi"},
    {"", ""},
    {"d\t", "d\t"},
    {"d\t ", "d\t"},
    {"d\r\n", "d\r\n"},
    {"d\x1A", "d\x1A"},
    {"   ", " "},
};
