#pragma once

// Command lines and the tail the Windows runtime's start-up code cuts from each. Shared by the
// unit test of our rule and by the Wine check, which has the real runtime cut the same lines.

#include <optional>
#include <string>
#include <vector>

struct CommandLineTailRow {
    const char* name;
    std::string commandLine;
    std::string tail;
    // The row needs a double-byte ANSI code page (932): 0x81 is a lead byte there.
    bool doubleByte = false;
    // The tail the MinGW-w64 runtime hands WinMain, where it differs: it lets quotes toggle
    // through the whole program name and takes bytes above 0x7f for control characters.
    // korvlink cuts the tail from GetCommandLineA itself, by the rule the rows give.
    std::optional<std::string> mingwTail = std::nullopt;
};

inline const std::vector<CommandLineTailRow> kCommandLineTailRows = {
    {"program name only", "KORVLINK", ""},
    {"program name and blanks", "KORVLINK   ", ""},
    {"empty line", "", ""},
    {"quoted name, quoted document", "\"C:\\TOOLS\\KORVLINK.EXE\" \"C:\\Mac\\Report\"", "\"C:\\Mac\\Report\""},
    {"unclosed quote takes the whole line", "\"C:\\TOOLS\\KORVLINK.EXE c:\\mac\\report", ""},
    {"text right after the closing quote", "\"C:\\TOOLS\\KORVLINK.EXE\"c:\\mac\\report", "c:\\mac\\report", false, ""},
    {"unquoted name with a blank", "C:\\My Tools\\KORVLINK.EXE \"c:\\x\"", "Tools\\KORVLINK.EXE \"c:\\x\""},
    {"two quotes are a tail", "KORVLINK \"\"", "\"\""},
    {"control characters are skipped", "KORVLINK \t\x01\x1f doc", "doc"},
    {"trailing blanks stay", "KORVLINK doc  ", "doc  "},
    {"bytes above 0x7f belong to the name", "KORV\xE9LINK doc", "doc", false, "LINK doc"},
    {"the line ends at NUL", std::string("KORVLINK doc\0more", 17), "doc"},
    {"a lead byte takes the quote after it", "\"C:\\\x81\"X\" tail", "tail", true},
    {"without lead bytes that quote closes", "\"C:\\\x81\"X\" tail", "X\" tail", false, ""},
    {"a lead byte at the very end", "\"C:\\\x81", "", true},
};
