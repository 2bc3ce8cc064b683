#pragma once

// The profile file on Linux: where it lives, and writes that never lose data.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// ${variable:-$HOME/<underHome>}, an XDG base directory such as XDG_DATA_HOME; a relative
// setting is ignored.
std::string XdgBaseDirectory(const char* variable, const std::string& underHome);

// ${XDG_CONFIG_HOME:-$HOME/.config}/korvlink: what Windows calls the Windows directory.
std::string ProfileDirectory();

// The whole file, or nothing when it does not exist or cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Replaces the file's bytes with edit(old bytes) ("" when the file is missing), the way every
// settings file of ours is written:
//  - a symbolic link is followed, and its target is written (the link stays a link);
//  - the directory is created when missing;
//  - an advisory lock on the directory covers the read, the edit and the write, so that
//    concurrent writers each see the other's result and lose nothing;
//  - the new bytes go to a temporary file in the same directory, which is flushed to disk and
//    renamed over the old one, so a crash leaves the old file or the new one, never a torn one;
//    the temporary is ".<file name>.<process id>.<n>.tmp", and one that a killed writer left
//    behind is removed by the next write;
//  - the file keeps its permissions; an unchanged result writes nothing;
//  - a file or directory without any write permission is left alone, as read-only.
// Returns false on any failure, with the old file whole.
bool UpdateFileAtomically(const std::string& path,
                          const std::function<std::string(std::string_view)>& edit);
