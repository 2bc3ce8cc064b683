#include "platform/common/command_line_split.h"

#include <gtest/gtest.h>

#include "../tables/command_line_split_table.h"

namespace {

// The rows' expected argv are the ones the Windows C runtime splits (checked under Wine).
TEST(SplitCommandLine, FollowsTheWindowsRuntime) {
    for (const CommandLineSplitRow& row : kCommandLineSplitRows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(SplitCommandLine(row.line), row.argv);
    }
}

}  // namespace
