#pragma once

// Paths and the parts the Windows runtime's _splitpath gives for each. Shared by the unit test of
// our splitter and by the Wine check, which has the real _splitpath split the same paths.

#include <string>
#include <vector>

struct PathSplitRow {
    std::string path;
    std::string drive, directory, name, extension;
    // The row needs a double-byte ANSI code page (932): 0x95 is a lead byte there.
    bool doubleByte = false;
};

inline const std::vector<PathSplitRow> kPathSplitRows = {
    {"c:\\mac\\report", "c:", "\\mac\\", "report", ""},
    {"c:report", "c:", "", "report", ""},
    {"report", "", "", "report", ""},
    {"c:/mac/report", "c:", "/mac/", "report", ""},
    {"\\\\server\\share\\dir\\file.txt", "", "\\\\server\\share\\dir\\", "file", ".txt"},
    {"c:\\my.dir\\report", "c:", "\\my.dir\\", "report", ""},
    {"c:\\mac\\report.", "c:", "\\mac\\", "report", "."},
    {"c:\\mac\\report..", "c:", "\\mac\\", "report.", "."},
    {"c:\\mac\\.profile", "c:", "\\mac\\", "", ".profile"},
    {"c:\\mac\\%%report", "c:", "\\mac\\", "%%report", ""},
    {"c:\\mac\\%report.txt", "c:", "\\mac\\", "%report", ".txt"},
    {"c:\\mac\\report.tar.gz", "c:", "\\mac\\", "report.tar", ".gz"},
    {"c:\\mac\\dir\\", "c:", "\\mac\\dir\\", "", ""},
    {"c:", "c:", "", "", ""},
    {"\"c:\\mac\\report\"", "", "\"c:\\mac\\", "report\"", ""},
    {"c:\\mac\\re port.t xt", "c:", "\\mac\\", "re port", ".t xt"},
    {".\\a.b\\c", "", ".\\a.b\\", "c", ""},
    {"\\\\server", "", "\\\\", "server", ""},
    {"c:\\mac/x\\y.z", "c:", "\\mac/x\\", "y", ".z"},
    {"", "", "", "", ""},
    {"x", "", "", "x", ""},
    // 0x95 0x5C and 0x95 0x2E are one character each under code page 932.
    {"c:\\mac\\\x95\\report", "c:", "\\mac\\", "\x95\\report", "", true},
    {"c:\\mac\\re\x95.port", "c:", "\\mac\\", "re\x95.port", "", true},
    {"c:\\mac\\\x95", "c:", "\\mac\\", "\x95", "", true},
};
