#include "platform/framework/startup_rules.h"

#include <gtest/gtest.h>

#include "platform/headless/headless_system.h"

namespace {

TEST(CommandLineTail, IsCutAsTheWindowsRuntimeCutsIt) {
    struct Case {
        const char* name;
        std::string commandLine;
        std::string tail;
        IsLeadByteFn leadBytes = NoLeadBytes;
    };
    const Case cases[] = {
        {"program name only", "KORVLINK", ""},
        {"program name and blanks", "KORVLINK   ", ""},
        {"empty line", "", ""},
        {"quoted name, quoted document", "\"C:\\TOOLS\\KORVLINK.EXE\" \"C:\\Mac\\Report\"", "\"C:\\Mac\\Report\""},
        {"unclosed quote takes the whole line", "\"C:\\TOOLS\\KORVLINK.EXE c:\\mac\\report", ""},
        {"text right after the closing quote", "\"C:\\TOOLS\\KORVLINK.EXE\"c:\\mac\\report", "c:\\mac\\report"},
        {"unquoted name with a blank", "C:\\My Tools\\KORVLINK.EXE \"c:\\x\"", "Tools\\KORVLINK.EXE \"c:\\x\""},
        {"two quotes are a tail", "KORVLINK \"\"", "\"\""},
        {"control characters are skipped", "KORVLINK \t\x01\x1f doc", "doc"},
        {"trailing blanks stay", "KORVLINK doc  ", "doc  "},
        {"bytes above 0x7f belong to the name", "KORV\xE9LINK doc", "doc"},
        {"the line ends at NUL", std::string("KORVLINK doc\0more", 17), "doc"},
        {"a lead byte takes the quote after it", "\"C:\\\x81\"X\" tail", "tail", ShiftJisLeadBytes},
        {"without lead bytes that quote closes", "\"C:\\\x81\"X\" tail", "X\" tail"},
        {"a lead byte at the very end", "\"C:\\\x81", "", ShiftJisLeadBytes},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CutCommandLineTail(c.commandLine, c.leadBytes), c.tail);
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
