#pragma once

// The rules the framework applies while the process starts, as pure functions.

#include <string>

#include "platform/lead_bytes.h"
#include "platform/system.h"

// The command line less the program name and the blanks and control characters after it,
// as the Windows runtime's start-up code cuts it:
//  - a program name that opens with a double quote runs to the next double quote (a lead byte
//    takes the byte after it along), which is skipped too; without a closing quote it takes
//    the whole line;
//  - any other program name runs up to the first byte of 0x20 or less;
//  - then every byte from 0x01 to 0x20 is skipped. The rest, trailing blanks included, is the tail.
// The line ends at its first NUL byte, as the platform's text does.
std::string CutCommandLineTail(const std::string& commandLine, IsLeadByteFn isLead);

// The names the framework derives from the executable's full path.
struct AppNames {
    std::string exeName;      // the file name without its extension
    std::string appName;      // the title; the program has no title string, so exeName
    std::string helpFilePath; // Windows: the path with ".HLP" for its extension;
                              // POSIX: <exe dir>/../share/korvlink/<exeName>.HLP
    std::string profileName;  // exeName followed by ".INI", without directory
};

// Only the file name's own extension is cut: a dot in a directory ("~/.local/bin/korvlink")
// is not an extension, and a name without a dot keeps its whole self.
AppNames DeriveAppNames(const std::string& modulePath, PathStyle style, IsLeadByteFn isLead);
