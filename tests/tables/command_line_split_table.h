#pragma once

// Command lines and the argv the Windows C runtime splits each into. Shared by the unit test of
// our splitter and by the Wine check, which has the real runtime split the same lines.

#include <string>
#include <vector>

struct CommandLineSplitRow {
    std::string line;
    std::vector<std::string> argv;
};

inline const std::vector<CommandLineSplitRow> kCommandLineSplitRows = {
    {"prog \"a b\"", {"prog", "a b"}},
    {"prog a\\\"b", {"prog", "a\"b"}},
    {"prog \"a\\\"b\"", {"prog", "a\"b"}},
    {"prog \"c:\\x\\\" y", {"prog", "c:\\x\" y"}},
    {"prog \"a\"\"b\"", {"prog", "a\"b"}},
    {"prog \"a\"\"b\" c", {"prog", "a\"b", "c"}},
    {"prog \"\"\"a\"\"\"", {"prog", "\"a\""}},
    {"prog \"unterminated", {"prog", "unterminated"}},
    {"prog \"unterminated\\", {"prog", "unterminated\\"}},
    {"prog  with  multiple   spaces", {"prog", "with", "multiple", "spaces"}},
    {"prog\ttab\tsep", {"prog", "tab", "sep"}},
    {"prog a\\\\\"b c\"", {"prog", "a\\b c"}},
    {"prog a\\\\\\\"b", {"prog", "a\\\"b"}},
    {"prog a\\\\b", {"prog", "a\\\\b"}},
    {"prog \"\" x", {"prog", "", "x"}},
    {"prog a\"b c\"d", {"prog", "ab cd"}},
    {"prog \"c:\\my docs\\file name\"", {"prog", "c:\\my docs\\file name"}},
    {"prog \"c:\\dir\\\"", {"prog", "c:\\dir\""}},
    {"prog c:\\dir\\", {"prog", "c:\\dir\\"}},
    {"prog ", {"prog"}},
    // The program name: quotes toggle, backslashes are plain.
    {"\"C:\\pa th\\prog\" x", {"C:\\pa th\\prog", "x"}},
    {"\"a b\"c d", {"a bc", "d"}},
    {"prog\\with\"q x\" y", {"prog\\withq x", "y"}},
    {"   ", {""}},
    // Wine hands a program started with an empty line its own path instead.
    {"", {""}},
    {"/usr/bin/emu -keyboard Suomi ", {"/usr/bin/emu", "-keyboard", "Suomi"}},
};
