#include "platform/path_split.h"

#include <gtest/gtest.h>

#include "platform/headless/headless_system.h"

namespace {

struct Case {
    std::string path;
    PathParts parts;
};

void ExpectSplits(const Case& c, PathStyle style, IsLeadByteFn leadBytes = NoLeadBytes) {
    SCOPED_TRACE(c.path);
    const PathParts parts = SplitPath(c.path, style, leadBytes);
    EXPECT_EQ(parts.drive, c.parts.drive);
    EXPECT_EQ(parts.directory, c.parts.directory);
    EXPECT_EQ(parts.name, c.parts.name);
    EXPECT_EQ(parts.extension, c.parts.extension);
    EXPECT_EQ(parts.Joined(), c.path);
}

// Expected values as the Windows runtime's _splitpath gives them.
TEST(SplitPath, WindowsStyleSplitsAsTheWindowsRuntime) {
    const Case cases[] = {
        {"c:\\mac\\report", {"c:", "\\mac\\", "report", ""}},
        {"c:report", {"c:", "", "report", ""}},
        {"report", {"", "", "report", ""}},
        {"c:/mac/report", {"c:", "/mac/", "report", ""}},
        {"\\\\server\\share\\dir\\file.txt", {"", "\\\\server\\share\\dir\\", "file", ".txt"}},
        {"c:\\my.dir\\report", {"c:", "\\my.dir\\", "report", ""}},
        {"c:\\mac\\report.", {"c:", "\\mac\\", "report", "."}},
        {"c:\\mac\\report..", {"c:", "\\mac\\", "report.", "."}},
        {"c:\\mac\\.profile", {"c:", "\\mac\\", "", ".profile"}},
        {"c:\\mac\\%%report", {"c:", "\\mac\\", "%%report", ""}},
        {"c:\\mac\\%report.txt", {"c:", "\\mac\\", "%report", ".txt"}},
        {"c:\\mac\\report.tar.gz", {"c:", "\\mac\\", "report.tar", ".gz"}},
        {"c:\\mac\\dir\\", {"c:", "\\mac\\dir\\", "", ""}},
        {"c:", {"c:", "", "", ""}},
        {"\"c:\\mac\\report\"", {"", "\"c:\\mac\\", "report\"", ""}},
        {"c:\\mac\\re port.t xt", {"c:", "\\mac\\", "re port", ".t xt"}},
        {".\\a.b\\c", {"", ".\\a.b\\", "c", ""}},
        {"\\\\server", {"", "\\\\", "server", ""}},
        {"c:\\mac/x\\y.z", {"c:", "\\mac/x\\", "y", ".z"}},
        {"", {"", "", "", ""}},
        {"x", {"", "", "x", ""}},
    };
    for (const Case& c : cases) ExpectSplits(c, PathStyle::kWindows);
}

TEST(SplitPath, LeadBytePairsAreNeverSeparatorsOrDots) {
    // 0x95 0x5C and 0x95 0x2E are one character each under code page 932.
    const Case cases[] = {
        {"c:\\mac\\\x95\\report", {"c:", "\\mac\\", "\x95\\report", ""}},
        {"c:\\mac\\re\x95.port", {"c:", "\\mac\\", "re\x95.port", ""}},
        {"c:\\mac\\\x95", {"c:", "\\mac\\", "\x95", ""}},
    };
    for (const Case& c : cases) ExpectSplits(c, PathStyle::kWindows, ShiftJisLeadBytes);
}

TEST(SplitPath, PosixStyleSeparatesOnlyAtSlashes) {
    const Case cases[] = {
        {"/home/ann/mac/report", {"", "/home/ann/mac/", "report", ""}},
        {"/home/ann/mac/report.txt", {"", "/home/ann/mac/", "report", ".txt"}},
        {"c:report", {"", "", "c:report", ""}},
        {"/tmp/a\\b", {"", "/tmp/", "a\\b", ""}},
        {"/home/ann/.profile", {"", "/home/ann/", ".profile", ""}},
        {"/home/ann/.local/report", {"", "/home/ann/.local/", "report", ""}},
        {"report", {"", "", "report", ""}},
    };
    for (const Case& c : cases) ExpectSplits(c, PathStyle::kPosix);
}

}  // namespace
