#pragma once

// The desktop entry through which freedesktop.org desktops (file managers, `gio open`,
// `xdg-open`) start korvlink on documents of no known type. Pure functions.

#include <optional>
#include <string>
#include <string_view>

// The entry's file name in the applications folder, which is also its id in mimeapps.list.
inline constexpr char kDesktopEntryName[] = "korvlink-open.desktop";

// `path` as the program argument of an Exec line, as the desktop-entry rules want it written:
// in double quotes when it holds a blank or another reserved character (with `"`, `` ` ``, `$`
// and `\` escaped by a backslash inside them), `%` doubled, and then every backslash doubled
// again, because Exec is a string value whose own escapes are undone before the quoting rule.
// Nothing when the path is no valid UTF-8 or holds a control character: an entry holding it
// would be rejected.
std::optional<std::string> DesktopExecProgram(std::string_view path);

// Which path the entry's Exec names. The executable itself when every opener can start it by
// that path; else the link (a symbolic link to the executable in a place of our choosing) when
// every opener can start that; else whichever of the two the openers that follow the rules can
// start; else neither.
//  - Every opener: only letters, digits, `/._-+,@:=` and UTF-8 beyond ASCII. xdg-open, when it
//    reads an entry itself (no known desktop), takes the Exec line's first blank-separated word
//    as the program and honours neither quotes nor escapes.
//  - The openers that follow the rules: any path DesktopExecProgram can write, but no `%`:
//    GLib looks the program up before it turns `%%` into `%`, finds no such file and ignores
//    the whole entry.
enum class DesktopProgram { kExecutable, kLink, kNeither };
DesktopProgram ChooseDesktopProgram(std::string_view executable, std::string_view link);

// The whole entry: a hidden application for application/octet-stream that starts `program`
// (already written by DesktopExecProgram) on one local file. %f stays unquoted: openers quote
// the path they put in its place, and quotes around it would reach the program as part of it.
std::string DesktopEntryText(std::string_view program);
