#pragma once

// The desktop's choice of application per content type, kept in mimeapps.list: which entry
// opens a type by default, which entries are added to or removed from those that may open it.
// Pure functions on the file's bytes.
//
//  - groups "[Default Applications]", "[Added Associations]" and "[Removed Associations]" hold
//    lines "content/type=first.desktop;second.desktop;";
//  - group names and keys are case-sensitive, as in every desktop file; blanks around them and
//    around each entry are ignored;
//  - every line that an edit does not change is kept byte for byte, comments and other groups
//    included; a line whose entries do not change keeps its own spelling;
//  - an edit reaches every line of the type in every group of the name (a file may repeat them,
//    and readers differ in which one counts);
//  - new lines use the file's own line break (LF for a file that has none).

#include <string>
#include <string_view>

// What a file is when nothing more is known about it than that it holds bytes.
inline constexpr char kUnknownContentType[] = "application/octet-stream";

// The file with `desktopId` as the default for `contentType`: first of its default entries,
// the previous ones kept after it; added to its associations and no longer removed from them.
// A missing line is added at the end of its group, a missing group at the end of the file.
std::string WithDefaultApplication(std::string_view file, std::string_view contentType,
                                   std::string_view desktopId);

// The file with `desktopId` taken out of the defaults and the added associations of
// `contentType`, so the default before it is the default again. A line left without entries
// goes; its group stays.
std::string WithoutDefaultApplication(std::string_view file, std::string_view contentType,
                                      std::string_view desktopId);
