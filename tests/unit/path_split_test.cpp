#include "platform/path_split.h"

#include <gtest/gtest.h>

#include "platform/headless/headless_system.h"
#include "../tables/path_split_table.h"

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

// The rows' expected parts are the ones the Windows runtime's _splitpath gives (checked under Wine).
TEST(SplitPath, WindowsStyleSplitsAsTheWindowsRuntime) {
    for (const PathSplitRow& row : kPathSplitRows) {
        ExpectSplits({row.path, {row.drive, row.directory, row.name, row.extension}}, PathStyle::kWindows,
                     row.doubleByte ? ShiftJisLeadBytes : NoLeadBytes);
    }
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
