#include "platform/framework/startup_rules.h"

#include <gtest/gtest.h>

#include "platform/headless/headless_system.h"
#include "../tables/command_line_tail_table.h"

namespace {

// The rows' expected tails are the ones the Windows runtime cuts (checked under Wine).
TEST(CommandLineTail, IsCutAsTheWindowsRuntimeCutsIt) {
    for (const CommandLineTailRow& row : kCommandLineTailRows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(CutCommandLineTail(row.commandLine, row.doubleByte ? ShiftJisLeadBytes : NoLeadBytes), row.tail);
    }
}

TEST(DerivedNames, ComeFromTheExecutablePath) {
    struct Case {
        std::string modulePath;
        PathStyle style;
        std::string exeName;
        std::string helpFilePath;
        IsLeadByteFn leadBytes = NoLeadBytes;
    };
    const Case cases[] = {
        {"C:\\TOOLS\\KORVLINK.EXE", PathStyle::kWindows, "KORVLINK", "C:\\TOOLS\\KORVLINK.HLP"},
        {"c:\\tools\\korvlink.exe", PathStyle::kWindows, "korvlink", "c:\\tools\\korvlink.HLP"},
        {"C:\\Program Files\\Korvo\\KORVLINK.EXE", PathStyle::kWindows, "KORVLINK",
         "C:\\Program Files\\Korvo\\KORVLINK.HLP"},
        // Only the file's own extension is cut, not a dot in a directory.
        {"C:\\MY.DIR\\KORVLINK", PathStyle::kWindows, "KORVLINK", "C:\\MY.DIR\\KORVLINK.HLP"},
        {"C:KORVLINK.EXE", PathStyle::kWindows, "KORVLINK", "C:KORVLINK.HLP"},
        {"\\\\server\\share\\KORV.LINK.EXE", PathStyle::kWindows, "KORV.LINK", "\\\\server\\share\\KORV.LINK.HLP"},
        {"C:\\DIR\\\x95\\KORV.EXE", PathStyle::kWindows, "\x95\\KORV", "C:\\DIR\\\x95\\KORV.HLP", ShiftJisLeadBytes},
        {"C:\\DIR\\\x95\\KORV.EXE", PathStyle::kWindows, "KORV", "C:\\DIR\\\x95\\KORV.HLP"},
        {"/usr/bin/korvlink", PathStyle::kPosix, "korvlink", "/usr/share/korvlink/korvlink.HLP"},
        {"/home/ann/.local/bin/korvlink", PathStyle::kPosix, "korvlink",
         "/home/ann/.local/share/korvlink/korvlink.HLP"},
        {"/opt/a:b\\c/bin/korv.link", PathStyle::kPosix, "korv", "/opt/a:b\\c/share/korvlink/korv.HLP"},
        {"/korvlink", PathStyle::kPosix, "korvlink", "/share/korvlink/korvlink.HLP"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.modulePath);
        const AppNames names = DeriveAppNames(c.modulePath, c.style, c.leadBytes);
        EXPECT_EQ(names.exeName, c.exeName);
        EXPECT_EQ(names.appName, c.exeName);
        EXPECT_EQ(names.profileName, c.exeName + ".INI");
        EXPECT_EQ(names.helpFilePath, c.helpFilePath);
    }
}

}  // namespace
