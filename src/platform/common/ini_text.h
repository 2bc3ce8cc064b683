#pragma once

// The text of a Windows initialization (profile) file, read exactly as Windows' own profile
// functions read it, and edited one line at a time. Pure functions on the file's bytes.
//
// Reading:
//  - lines end in LF, CRLF or CR; a line ends at its first NUL byte; a UTF-8 byte-order mark
//    at the start is skipped;
//  - white space (blank, tab, LF, VT, FF, CR and ^Z) around names and values is dropped, then
//    one pair of matching double or single quotes around the whole value;
//  - section and key names match regardless of ASCII letter case;
//  - a line that starts with '[' and holds a ']' is a section line, named by the text up to its
//    last ']'; a section with an empty name is never found;
//  - only the first section of a name is searched, and the first matching key in it wins;
//  - ';' and '#' lines are ordinary lines: there are no comments and no inline comments;
//  - a line without '=' holds no value.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The longest value a read returns: Windows fills a 4096-byte buffer, terminator included.
inline constexpr std::size_t kProfileValueLimit = 4095;

// One line of the file, as offsets into its bytes.
struct IniLine {
    enum class Kind { kOther, kSection, kKey };
    Kind kind = Kind::kOther;
    std::size_t begin = 0;        // first byte of the line
    std::size_t contentEnd = 0;   // the line's end, before its line break
    std::size_t end = 0;          // after its line break
    std::size_t valueBegin = 0;   // kKey: the byte after the first '='
    std::string name;             // kSection: the section's name; kKey: the key, both trimmed
    std::string value;            // kKey: the value, trimmed and unquoted
    bool blank = false;           // nothing but white space (or nothing before a NUL)
};

std::vector<IniLine> ParseIniLines(std::string_view file);

bool IniNamesEqual(std::string_view a, std::string_view b);
// The file's own line break, for the lines an edit adds: its first one, LF when it has none.
std::string_view LineBreakOf(std::string_view file);
std::string_view TrimIniSpace(std::string_view text);

// The value of `key` in the first section `section`, or nothing when either is missing.
// The value is not yet cut to kProfileValueLimit.
std::optional<std::string> FindIniValue(std::string_view file, std::string_view section,
                                        std::string_view key);

// What a profile read returns: the stored value, or the default less its trailing blanks (but
// never its first character), either cut to kProfileValueLimit bytes.
std::string ReadProfileValue(std::string_view file, std::string_view section, std::string_view key,
                             std::string_view defaultValue);

// A value as one line of the file: CR and LF are written as blanks (written raw, they would
// inject keys or sections), and the value ends at a NUL as a C text does.
std::string OneLineIniValue(std::string_view value);

// Whether a section and key can be written: neither may be empty after trimming or hold a line
// break or NUL, a section may not hold ']' and a key may not hold '=' nor begin with '[' (with a
// ']' anywhere after it, its line would read as a section and the key would be lost).
bool IsWritableIniName(std::string_view section, std::string_view key);

// The file after writing `value` as `key` of `section`. Only that key's line changes: its text
// after '=' is replaced and the key keeps its spelling; a new key goes after the last non-blank
// line of its section, with that line's line break; a missing section is added at the end, with
// the file's own line break (LF for a file that has none). Every other byte stays. Writing the
// value that is already stored gives back the file unchanged. The value is written as
// OneLineIniValue makes it.
std::string WithIniValue(std::string_view file, std::string_view section, std::string_view key,
                         std::string_view value);
