#pragma once

// Splitting a path into drive, directory, file name and extension, the way the Windows
// runtime's _splitpath does it (multibyte form), and the POSIX equivalent.

#include <string>

#include "platform/lead_bytes.h"
#include "platform/system.h"

struct PathParts {
    std::string drive;      // "c:" or empty
    std::string directory;  // up to and including the last separator, or empty
    std::string name;       // the file name without its extension
    std::string extension;  // the last dot of the file name and what follows, or empty

    std::string Joined() const { return drive + directory + name + extension; }
};

// Windows style: a second character ':' makes the first two the drive, whatever the first is;
// backslash and '/' separate; a lead byte and the byte after it are never a separator or a dot;
// a name that is all extension (".profile") has an empty name part.
// POSIX style: no drive; only '/' separates; a leading dot belongs to the name (".profile").
// In both, drive + directory + name + extension gives back the path.
PathParts SplitPath(const std::string& path, PathStyle style, IsLeadByteFn isLead);
