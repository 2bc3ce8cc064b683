#include "platform/common/command_line_split.h"

#include <gtest/gtest.h>

namespace {

using Args = std::vector<std::string>;

// Expected values as the Windows C runtime splits the same command lines.
TEST(SplitCommandLine, FollowsTheWindowsRuntime) {
    struct Case {
        std::string line;
        Args argv;
    };
    const Case cases[] = {
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
        {"", {""}},
        {"/usr/bin/emu -keyboard Suomi ", {"/usr/bin/emu", "-keyboard", "Suomi"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(SplitCommandLine(c.line), c.argv);
    }
}

}  // namespace
