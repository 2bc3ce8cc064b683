// Launcher mode through the whole program: the application object on the headless backends.

#include <gtest/gtest.h>

#include "app/launcher_app.h"
#include "platform/headless/headless_system.h"
#include "platform/headless/headless_ui.h"

namespace {

class RunLauncherTest : public ::testing::Test {
protected:
    void SetProfile(const std::string& text) { system.profileFiles["KORVLINK.INI"] = text; }
    int Run(const std::string& commandLine) {
        system.commandLine = commandLine;
        return AfxWinMain(app, system, ui);
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& box : ui.messageBoxes) texts.push_back(box.text);
        return texts;
    }

    HeadlessSystem system;
    HeadlessUi ui;
    CLauncherApp app;
};

TEST_F(RunLauncherTest, ReadsBothCommandsThenProbesBothPathsThenStarts) {
    SetProfile("[Setup]\nKorvo path=emu.exe -a\nViewer path=view.exe\n");
    system.presentPaths = {"c:\\mac\\report", "c:\\mac\\%report"};
    EXPECT_EQ(Run("\"C:\\TOOLS\\KORVLINK.EXE\" \"C:\\Mac\\Report\""), 0);
    const std::vector<std::string> expected = {
        "quiet critical errors",  "read Setup/Korvo path",      "read Setup/Viewer path",
        "probe c:\\mac\\report",  "probe c:\\mac\\%report",     "start emu.exe -a | c:\\mac\\report",
    };
    EXPECT_EQ(system.events, expected);
    EXPECT_TRUE(ui.messageBoxes.empty());
}

TEST_F(RunLauncherTest, ReportsEachFailureInABoxWithTheTitle) {
    struct Case {
        const char* name;
        std::string profile;
        std::set<std::string> present;
        int startResult;
        std::string message;
    };
    const std::string both = "[Setup]\nKorvo path=emu.exe\nViewer path=view.exe\n";
    const Case cases[] = {
        {"neither file, lower-cased path", both, {}, 33, "Cannot find file c:\\mac\\report"},
        {"neither file, no profile at all", "", {}, 33, "Cannot find file c:\\mac\\report"},
        {"no profile, both files", "", {"c:\\mac\\report", "c:\\mac\\%report"}, 33, "Korvo path is not defined!"},
        {"no profile, one file", "", {"c:\\mac\\report"}, 33, "Viewer path is not defined!"},
        {"empty value is not defined", "[Setup]\nKorvo path=\nViewer path=v\n",
         {"c:\\mac\\report", "c:\\mac\\%report"}, 33, "Korvo path is not defined!"},
        {"start fails", both, {"c:\\mac\\report"}, 2, "Could not start view.exe \"c:\\mac\\report\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HeadlessSystem fresh;
        system = fresh;
        ui.messageBoxes.clear();
        SetProfile(c.profile);
        system.presentPaths = c.present;
        system.startResult = c.startResult;
        EXPECT_EQ(Run("KORVLINK \"C:\\Mac\\Report\""), 0);
        ASSERT_EQ(ui.messageBoxes.size(), 1u);
        EXPECT_EQ(ui.messageBoxes[0].text, c.message);
        EXPECT_EQ(ui.messageBoxes[0].caption, "KORVLINK");
        EXPECT_EQ(ui.messageBoxes[0].type, MB_OK | MB_ICONEXCLAMATION);
        EXPECT_EQ(ui.messageBoxes[0].owner, nullptr);
    }
}

TEST_F(RunLauncherTest, SetupDefaultsDoNotApplyInLauncherMode) {
    system.presentPaths = {"c:\\mac\\report", "c:\\mac\\%report"};
    Run("KORVLINK c:\\mac\\report");
    EXPECT_EQ(Texts(), std::vector<std::string>{"Korvo path is not defined!"});
}

TEST_F(RunLauncherTest, AnEmptyTailProbesNothingAndOpensTheSetupDialog) {
    Run("\"C:\\TOOLS\\KORVLINK.EXE\"   ");
    for (const std::string& event : system.events) EXPECT_NE(event.rfind("probe", 0), 0u) << event;
    ASSERT_EQ(ui.dialogRuns.size(), 1u);
    EXPECT_EQ(ui.dialogRuns[0].templateId, 102);
}

TEST_F(RunLauncherTest, LinuxPathsAreNotLowerCased) {
    system.style = PathStyle::kPosix;
    system.ignoreCase = false;
    system.moduleFileName = "/usr/bin/korvlink";
    system.profileFiles["korvlink.INI"] = "[Setup]\nViewer path=view\n";
    system.presentPaths = {"/home/ann/Mac/%Report"};
    Run("\"/usr/bin/korvlink\" \"/home/ann/Mac/%Report\"");
    EXPECT_EQ(system.events.back(), "start view | /home/ann/Mac/%Report");
}

TEST_F(RunLauncherTest, ADocumentHandedBackStartsNothing) {
    SetProfile("[Setup]\nViewer path=xdg-open\n");
    system.presentPaths = {"c:\\mac\\report"};
    system.handedBackDocument = "c:\\mac\\report";
    Run("KORVLINK \"c:\\mac\\report\"");
    for (const std::string& event : system.events) EXPECT_EQ(event.rfind("start", 0), std::string::npos);
    ASSERT_EQ(ui.messageBoxes.size(), 1u);
    EXPECT_NE(ui.messageBoxes[0].text.find("c:\\mac\\report"), std::string::npos);
}

}  // namespace
