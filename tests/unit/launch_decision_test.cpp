#include "launcher/launch_decision.h"

#include <gtest/gtest.h>

namespace {

const DocumentPaths kReport{"c:\\mac\\report", "c:\\mac\\report", "c:\\mac\\%report"};
const DocumentPaths kCompanionOpened{"c:\\mac\\%report", "c:\\mac\\report", "c:\\mac\\%report"};

TEST(LaunchDecision, ChoosesByWhichFilesArePresent) {
    using Action = LaunchDecision::Action;
    struct Case {
        const char* name;
        DocumentPaths paths;
        bool data, companion;
        std::string emulator, viewer;
        Action action;
        std::string commandOrMessage;
        std::string argument;
    };
    const Case cases[] = {
        {"both: emulator on the data path", kReport, true, true, "emu.exe -a", "view.exe",
         Action::kStart, "emu.exe -a", "c:\\mac\\report"},
        {"companion opened: emulator still on the data path", kCompanionOpened, true, true, "emu.exe", "view.exe",
         Action::kStart, "emu.exe", "c:\\mac\\report"},
        {"data only: viewer on the data path", kReport, true, false, "emu.exe", "view.exe",
         Action::kStart, "view.exe", "c:\\mac\\report"},
        {"companion only: viewer on the file that exists", kCompanionOpened, false, true, "emu.exe", "view.exe",
         Action::kStart, "view.exe", "c:\\mac\\%report"},
        {"neither", kReport, false, false, "emu.exe", "view.exe",
         Action::kReport, "Cannot find file c:\\mac\\report", ""},
        {"neither, companion opened: the opened path", kCompanionOpened, false, false, "", "",
         Action::kReport, "Cannot find file c:\\mac\\%report", ""},
        {"both, emulator empty, viewer set", kReport, true, true, "", "view.exe",
         Action::kReport, "Korvo path is not defined!", ""},
        {"one, viewer empty, emulator set", kReport, true, false, "emu.exe", "",
         Action::kReport, "Viewer path is not defined!", ""},
        {"one, emulator empty does not matter", kReport, false, true, "", "view.exe",
         Action::kStart, "view.exe", "c:\\mac\\%report"},
        {"a command of blanks counts as set", kReport, true, true, "   ", "",
         Action::kStart, "   ", "c:\\mac\\report"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const LaunchDecision decision = DecideLaunch(c.paths, c.data, c.companion, c.emulator, c.viewer);
        EXPECT_EQ(decision.action, c.action);
        if (c.action == Action::kStart) {
            EXPECT_EQ(decision.command, c.commandOrMessage);
            EXPECT_EQ(decision.argument, c.argument);
        } else {
            EXPECT_EQ(decision.message, c.commandOrMessage);
        }
    }
}

TEST(LaunchDecision, LaunchedCommandLineIsCommandBlankQuotedPath) {
    EXPECT_EQ(LaunchedCommandLine("emu.exe -a", "c:\\mac\\report"), "emu.exe -a \"c:\\mac\\report\"");
    // The command is kept exactly: no quotes added, nothing trimmed.
    EXPECT_EQ(LaunchedCommandLine(" c:\\my emu\\e.exe ", "r"), " c:\\my emu\\e.exe  \"r\"");
    EXPECT_EQ(LaunchedCommandLine("", ""), " \"\"");
}

}  // namespace
