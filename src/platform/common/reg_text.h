#pragma once

// The registry kept as a REGEDIT4 text file, the format the Windows registry editor exports and
// imports, edited one line at a time. Pure functions on the file's bytes.
//
//  - a key is a line "[HKEY_...\path]"; key names match regardless of ASCII letter case;
//  - a key's default value is the line `@="data"`, with `\` written `\\` and `"` written `\"`;
//  - lines end in LF, CRLF or CR; every line this edit does not own is kept byte for byte.

#include <string>
#include <string_view>

// The first line of every REGEDIT4 file.
inline constexpr char kRegFileHeader[] = "REGEDIT4";

// `data` as a .reg string, quotes included. CR and LF become blanks (the format has no line
// break inside a string) and the data ends at a NUL, as a C text does.
std::string RegStringLiteral(std::string_view data);

// The file after setting the default value of `keyName` (a full name such as
// "HKEY_CLASSES_ROOT\Unknown\shell\open\command") to `data`, in the first key of that name.
// Its `@=` line is rewritten after the '='; a key without one gets it right below the key's
// line; a missing key is added at the end, after a blank line. An empty file becomes the
// header, a blank line and the key. New lines use the file's own line break (LF for a file
// that has none). Setting the value that is already there gives back the file unchanged.
std::string WithRegDefaultValue(std::string_view file, std::string_view keyName, std::string_view data);
