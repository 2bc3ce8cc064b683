// Setup mode through the whole program: the application object, the setup dialog and the About
// box, on the headless backends, with scripts standing in for the user.

#include <gtest/gtest.h>

#include "app/launcher_app.h"
#include "platform/headless/headless_system.h"
#include "platform/headless/headless_ui.h"
#include "ui/resource.h"
#include "ui/setup_rules.h"

namespace {

using Dialog = HeadlessUi::Dialog;

constexpr char kDefaultEmulator[] = "x:\\emulator\\mac\\korvo\\korvo.exe -keyboard Suomi";

class SetupModeTest : public ::testing::Test {
protected:
    void SetProfile(const std::string& text) { system.profileFiles["KORVLINK.INI"] = text; }
    std::string Profile() { return system.profileFiles["KORVLINK.INI"]; }
    int Run(HeadlessUi::Script script) {
        ui.WhenDialogOpens(IDD_SETUP_DIALOG, std::move(script));
        const int exitCode = AfxWinMain(app, system, ui);
        EXPECT_TRUE(ui.errors.empty()) << ui.errors.front();
        return exitCode;
    }
    // The writes and the registration, in the order they happened.
    std::vector<std::string> Changes() const {
        std::vector<std::string> changes;
        for (const std::string& event : system.events) {
            if (event.rfind("write", 0) == 0 || event.rfind("register", 0) == 0) changes.push_back(event);
        }
        return changes;
    }

    HeadlessSystem system;
    HeadlessUi ui;
    CLauncherApp app;
};

TEST_F(SetupModeTest, OpensWithTheStoredCommandsOrTheDefaults) {
    struct Case {
        const char* name;
        std::string profile;
        std::string emulatorField, viewerField;
    };
    const Case cases[] = {
        {"no profile file", "", kDefaultEmulator, "Wordpad.exe"},
        {"both stored", "[Setup]\nKorvo path=emu -a\nViewer path=c:\\v.exe\n", "emu -a", "c:\\v.exe"},
        {"an empty value is no default", "[Setup]\nKorvo path=\nViewer path=\n", "", ""},
        {"only one key", "[Setup]\nViewer path=x.exe\n", kDefaultEmulator, "x.exe"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        system = HeadlessSystem();
        ui = HeadlessUi();
        SetProfile(c.profile);
        std::string emulator, viewer;
        Run([&](Dialog& d) {
            emulator = d.GetItemText(IDC_EMULATOR_PATH);
            viewer = d.GetItemText(IDC_VIEWER_PATH);
            EXPECT_TRUE(d.FocusOnFirstTabStop());
            d.Click(IDCANCEL);
        });
        EXPECT_EQ(emulator, c.emulatorField);
        EXPECT_EQ(viewer, c.viewerField);
    }
}

TEST_F(SetupModeTest, OnlyOkSavesAndOnlyOkWithInstallRegisters) {
    const std::string emu = "write Setup/Korvo path=", view = "write Setup/Viewer path=";
    const std::string reg = "register Unknown\\shell\\open\\command=C:\\TOOLS\\KORVLINK.EXE \"%1\"";
    struct Case {
        const char* name;
        HeadlessUi::Script script;
        std::vector<std::string> changes;
        int exitCode;
    };
    const Case cases[] = {
        {"OK with no edits saves what was shown", [](Dialog& d) { d.Click(IDOK); },
         {emu + kDefaultEmulator, view + "Wordpad.exe"}, 0},
        {"Enter is OK", [](Dialog& d) { d.PressEnter(); }, {emu + kDefaultEmulator, view + "Wordpad.exe"}, 0},
        {"edits then OK", [](Dialog& d) {
             d.Type(IDC_EMULATOR_PATH, " c:\\emu.exe -x ");
             d.Type(IDC_VIEWER_PATH, "Note");
             d.Click(IDOK);
         },
         {emu + " c:\\emu.exe -x ", view + "Note"}, 0},
        {"edits then Cancel", [](Dialog& d) {
             d.Type(IDC_EMULATOR_PATH, "changed");
             d.Click(IDCANCEL);
         },
         {}, 0},
        {"Escape", [](Dialog& d) { d.PressEscape(); }, {}, 0},
        {"Close in the window menu", [](Dialog& d) { d.ChooseSystemMenu(SC_CLOSE); }, {}, 0},
        {"Install then OK: settings first, then the registration",
         [](Dialog& d) { d.Click(IDC_INSTALL); d.Click(IDOK); },
         {emu + kDefaultEmulator, view + "Wordpad.exe", reg}, 0},
        {"Install twice registers once", [](Dialog& d) {
             d.Click(IDC_INSTALL);
             d.Click(IDC_INSTALL);
             d.Click(IDOK);
         },
         {emu + kDefaultEmulator, view + "Wordpad.exe", reg}, 0},
        {"Install then Cancel", [](Dialog& d) { d.Click(IDC_INSTALL); d.Click(IDCANCEL); }, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        system = HeadlessSystem();
        ui = HeadlessUi();
        EXPECT_EQ(Run(c.script), c.exitCode);
        EXPECT_EQ(Changes(), c.changes);
        EXPECT_EQ(app.m_pMainWnd, nullptr);
    }
}

TEST_F(SetupModeTest, FailedWritesStillRegisterAndReportNothing) {
    system.failProfileWrites = true;
    Run([](Dialog& d) { d.Click(IDC_INSTALL); d.Click(IDOK); });
    EXPECT_EQ(Changes().size(), 3u);
    EXPECT_EQ(ui.messageBoxes.size(), 1u) << "only Install's own message";
}

TEST_F(SetupModeTest, ADialogThatCannotOpenSavesNothing) {
    ui.dialogsCannotBeCreated = true;
    EXPECT_NE(AfxWinMain(app, system, ui), 0);
    EXPECT_TRUE(Changes().empty());
    EXPECT_EQ(app.m_pMainWnd, nullptr);

    // A list that refuses its presets ends the dialog at once with -1.
    ui = HeadlessUi();
    ui.combosRefuseItems = true;
    EXPECT_NE(AfxWinMain(app, system, ui), 0);
    EXPECT_EQ(ui.dialogRuns.at(0).result, -1);
    EXPECT_TRUE(Changes().empty());
}

TEST_F(SetupModeTest, SavedFileKeepsItsOtherLines) {
    SetProfile("; mine\r\n[Setup]\r\nKorvo path=old\r\n[Other]\r\nx=1\r\n");
    Run([](Dialog& d) { d.Type(IDC_EMULATOR_PATH, "new"); d.Click(IDOK); });
    EXPECT_EQ(Profile(), "; mine\r\n[Setup]\r\nKorvo path=new\r\nViewer path=Wordpad.exe\r\n[Other]\r\nx=1\r\n");
}

TEST_F(SetupModeTest, ViewerFieldShowsTheFirstListEntryThatBeginsWithTheStoredCommand) {
    struct Case {
        std::string stored, field;
        std::vector<std::string> list;
    };
    const std::vector<std::string> presets = {"Notepad.exe", "Wordpad.exe", "Write.exe"};
    const Case cases[] = {
        {"Wordpad.exe", "Wordpad.exe", presets},
        {"notepad.exe", "Notepad.exe", presets},
        {"Word", "Wordpad.exe", presets},
        {"Notepad.exe /p", "Notepad.exe /p", {"Notepad.exe", "Notepad.exe /p", "Wordpad.exe", "Write.exe"}},
        {"c:\\tools\\view.exe", "c:\\tools\\view.exe", {"c:\\tools\\view.exe", "Notepad.exe", "Wordpad.exe", "Write.exe"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        system = HeadlessSystem();
        ui = HeadlessUi();
        SetProfile("[Setup]\nViewer path=" + c.stored + "\n");
        Run([&](Dialog& d) {
            EXPECT_EQ(d.GetItemText(IDC_VIEWER_PATH), c.field);
            EXPECT_EQ(d.ListItems(IDC_VIEWER_PATH), c.list);
            d.Click(IDOK);
        });
        // What the field showed is what OK saves.
        EXPECT_NE(Profile().find("Viewer path=" + c.field + "\n"), std::string::npos);
    }
}

TEST(EmulatorCommandSplit, GivesTheInitialNameAndTheParametersKept) {
    struct Case {
        std::string field, initialName, tail;
    };
    const Case cases[] = {
        {"c:\\emu\\korvo.exe -a -b", "c:\\emu\\korvo.exe", " -a -b"},
        {"c:\\emu\\korvo.exe", "c:\\emu\\korvo.exe", ""},
        {"c:\\emu\\korvo.exe -a  ", "c:\\emu\\korvo.exe", " -a"},
        {" c:\\emu\\korvo.exe -a", "c:\\emu\\korvo.exe -a", ""},
        {"c:\\my emu\\korvo.exe -a", "c:\\my", " emu\\korvo.exe -a"},
        {"", "", ""},
        {"\t\tab c", "ab c", ""},
        // A quoted path stays whole: what a browse with blanks in the path wrote back.
        {"\"c:\\my emu\\korvo.exe\" -a", "c:\\my emu\\korvo.exe", " -a"},
        {"  \"c:\\my emu\\korvo.exe\"", "c:\\my emu\\korvo.exe", ""},
        {"\"unclosed path -a", "\"unclosed", " path -a"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        const EmulatorCommandParts parts = SplitEmulatorCommand(c.field);
        EXPECT_EQ(parts.path, c.initialName);
        EXPECT_EQ(parts.tail, c.tail);
    }
}

TEST_F(SetupModeTest, EmulatorBrowseReplacesTheProgramAndKeepsTheParameters) {
    struct Case {
        std::string field;
        std::optional<std::string> chosen;
        std::string initialName, fieldAfter;
    };
    const std::string longPath = "c:\\" + std::string(300, 'p') + ".exe";
    const Case cases[] = {
        {"c:\\emu\\korvo.exe -a -b", "d:\\mac\\korvo.exe", "c:\\emu\\korvo.exe", "d:\\mac\\korvo.exe -a -b"},
        {"c:\\emu\\korvo.exe -a  ", "d:\\mac\\korvo.exe", "c:\\emu\\korvo.exe", "d:\\mac\\korvo.exe -a"},
        {" c:\\emu\\korvo.exe -a", "d:\\mac\\korvo.exe", "c:\\emu\\korvo.exe -a", "d:\\mac\\korvo.exe"},
        {"c:\\my emu\\korvo.exe -a", "d:\\mac\\korvo.exe", "c:\\my", "d:\\mac\\korvo.exe emu\\korvo.exe -a"},
        {"", "d:\\mac\\korvo.exe", "", "d:\\mac\\korvo.exe"},
        {" kept  as is ", std::nullopt, "kept  as is", " kept  as is "},
        {longPath, std::nullopt, longPath.substr(0, 259), longPath},
        {"old.exe -k", "c:\\Program Files\\Korvo\\korvo.exe", "old.exe", "\"c:\\Program Files\\Korvo\\korvo.exe\" -k"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        system = HeadlessSystem();
        ui = HeadlessUi();
        ui.fileDialogAnswers = {c.chosen};
        std::string after;
        WindowHandle setupWindow = nullptr;
        Run([&](Dialog& d) {
            setupWindow = d.Handle();
            d.Type(IDC_EMULATOR_PATH, c.field);
            d.Click(IDC_BROWSE_EMULATOR);
            after = d.GetItemText(IDC_EMULATOR_PATH);
            d.Click(IDOK);
        });
        ASSERT_EQ(ui.fileDialogs.size(), 1u);
        const FileDialogRequest& request = ui.fileDialogs[0].request;
        EXPECT_EQ(request.initialName, c.initialName);
        EXPECT_EQ(request.defaultExtension, "EXE");
        EXPECT_EQ(request.flags, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
        EXPECT_EQ(request.filters, (std::vector<std::pair<std::string, std::string>>{
                                       {"Program Files", "*.exe"}, {"All Files", "*.*"}}));
        EXPECT_EQ(ui.fileDialogs[0].owner, setupWindow);
        EXPECT_EQ(after, c.fieldAfter);
    }
}

TEST_F(SetupModeTest, ViewerBrowseSelectsOrAddsTheChosenProgram) {
    struct Case {
        const char* name;
        std::string field;
        std::vector<std::optional<std::string>> chosen;  // one browse each
        std::string initialName, fieldAfter;
        std::size_t listSize;
    };
    const Case cases[] = {
        {"parameters are not carried over", "Notepad.exe /p", {"c:\\tools\\view.exe"}, "Notepad.exe /p",
         "c:\\tools\\view.exe", 5},
        {"the same file twice is listed once", "Wordpad.exe", {"c:\\v.exe", "c:\\v.exe"}, "Wordpad.exe",
         "c:\\v.exe", 4},
        {"an entry that begins with the path is selected", "c:\\tools\\view.exe /p", {"c:\\tools\\view.exe"},
         "c:\\tools\\view.exe /p", "c:\\tools\\view.exe /p", 4},
        {"cancel keeps the field", "Write.exe", {std::nullopt}, "Write.exe", "Write.exe", 3},
        {"a path with blanks is quoted", "Wordpad.exe", {"/opt/my tools/view"}, "Wordpad.exe",
         "\"/opt/my tools/view\"", 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        system = HeadlessSystem();
        ui = HeadlessUi();
        SetProfile("[Setup]\nViewer path=" + c.field + "\n");
        ui.fileDialogAnswers.assign(c.chosen.begin(), c.chosen.end());
        std::string after;
        std::size_t listSize = 0;
        Run([&](Dialog& d) {
            for (std::size_t i = 0; i < c.chosen.size(); ++i) d.Click(IDC_BROWSE_VIEWER);
            after = d.GetItemText(IDC_VIEWER_PATH);
            listSize = d.ListItems(IDC_VIEWER_PATH).size();
            d.Click(IDOK);
        });
        EXPECT_EQ(ui.fileDialogs.at(0).request.initialName, c.initialName);
        EXPECT_EQ(after, c.fieldAfter);
        EXPECT_EQ(listSize, c.listSize);
        EXPECT_NE(Profile().find("Viewer path=" + c.fieldAfter + "\n"), std::string::npos);
    }
}

TEST_F(SetupModeTest, InstallShowsItsInformationOwnedByTheDialog) {
    WindowHandle dialogWindow = nullptr;
    Run([&](Dialog& d) {
        dialogWindow = d.Handle();
        d.Click(IDC_INSTALL);
        d.Click(IDCANCEL);
    });
    ASSERT_EQ(ui.messageBoxes.size(), 1u);
    const HeadlessUi::MessageBox& box = ui.messageBoxes[0];
    EXPECT_EQ(box.text,
              "The program is going to modify the registry file key\r\n"
              "\"HKEY_CLASSES_ROOT\\Unknown\\shell\\open\\command\".\r\n\r\n"
              "The modification will take place when you close the main dialog using the OK button.");
    EXPECT_EQ(box.caption, "KORVLINK");
    EXPECT_EQ(box.type, MB_OK | MB_ICONINFORMATION);
    EXPECT_EQ(box.owner, dialogWindow);
}

TEST_F(SetupModeTest, TheWindowMenuOpensTheAboutBoxModally) {
    Dialog* setup = nullptr;
    ui.WhenDialogOpens(IDD_ABOUTBOX, [&](Dialog& about) {
        EXPECT_TRUE(about.FocusOnFirstTabStop());
        EXPECT_EQ(about.Template().caption, "About Korvo Explorer extension");
        // The setup dialog takes no input while the box is open.
        EXPECT_FALSE(setup->Enabled());
        setup->Type(IDC_EMULATOR_PATH, "typed behind the box");
        about.PressEnter();
    });
    ui.WhenDialogOpens(IDD_ABOUTBOX, [](Dialog& about) { about.PressEscape(); });
    Run([&](Dialog& d) {
        setup = &d;
        ASSERT_GE(d.SystemMenu().size(), 2u);
        const auto& separator = d.SystemMenu()[d.SystemMenu().size() - 2];
        const auto& about = d.SystemMenu().back();
        EXPECT_EQ(separator.flags, MF_SEPARATOR);
        EXPECT_EQ(about.id, IDM_ABOUTBOX);
        EXPECT_EQ(about.text, "&About korvlink...");

        d.Type(IDC_EMULATOR_PATH, "edited");
        d.Click(IDC_INSTALL);
        d.ChooseSystemMenu(IDM_ABOUTBOX);
        d.ChooseSystemMenu(IDM_ABOUTBOX | 0x3);  // the platform's low bits do not matter
        EXPECT_TRUE(d.Enabled());
        EXPECT_EQ(d.GetItemText(IDC_EMULATOR_PATH), "edited");
        EXPECT_EQ(d.ListItems(IDC_VIEWER_PATH).size(), 3u);
        d.Click(IDOK);
    });
    ASSERT_EQ(ui.dialogRuns.size(), 3u);
    EXPECT_EQ(ui.dialogRuns[0].templateId, IDD_ABOUTBOX);
    EXPECT_EQ(ui.dialogRuns[0].result, IDOK);
    EXPECT_EQ(ui.dialogRuns[1].result, IDCANCEL);
    EXPECT_NE(ui.dialogRuns[0].owner, nullptr);
    EXPECT_EQ(ui.dialogRuns[0].owner, ui.dialogRuns[1].owner);
    EXPECT_NE(Profile().find("Korvo path=edited"), std::string::npos);
    EXPECT_EQ(system.registry.count("Unknown\\shell\\open\\command"), 1u);
}

TEST_F(SetupModeTest, HelpOpensTheTopicOfTheDialogWithTheFocus) {
    ui.WhenDialogOpens(IDD_ABOUTBOX, [](Dialog& about) {
        about.PressF1();
        about.PressF1(/*withShiftCtrlOrAlt=*/true);
        about.PressEnter();
    });
    Run([](Dialog& d) {
        EXPECT_TRUE(d.Visible(ID_HELP));
        d.Click(ID_HELP);
        d.PressF1();
        d.PressF1(/*withShiftCtrlOrAlt=*/true);
        d.ChooseSystemMenu(IDM_ABOUTBOX);
        d.Click(IDCANCEL);
    });
    std::vector<std::pair<unsigned, unsigned long>> calls;
    for (const auto& call : ui.helpCalls) {
        EXPECT_EQ(call.helpFile, "C:\\TOOLS\\KORVLINK.HLP");
        calls.emplace_back(call.command, call.topic);
    }
    const std::vector<std::pair<unsigned, unsigned long>> expected = {
        {HELP_CONTEXT, 131174}, {HELP_CONTEXT, 131174}, {HELP_CONTEXT, 131172}, {HELP_QUIT, 0}};
    EXPECT_EQ(calls, expected);
}

TEST_F(SetupModeTest, AFailingHelpEngineIsReportedOnce) {
    ui.helpEngineWorks = false;
    ui.whileMessageBoxShows = [&](const HeadlessUi::MessageBox&) {
        // A further request while the failure is on screen does nothing.
        AfxGetApp()->OnHelp();
    };
    Run([](Dialog& d) {
        d.Click(ID_HELP);
        d.Click(IDOK);
    });
    std::vector<std::string> texts;
    for (const auto& box : ui.messageBoxes) texts.push_back(box.text);
    // Once for the help button, once for the closing request; the fields are read back all the same.
    EXPECT_EQ(texts, (std::vector<std::string>{"Failed to launch help.", "Failed to launch help."}));
    EXPECT_EQ(ui.messageBoxes[0].type, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(ui.helpCalls.size(), 2u);
    EXPECT_NE(Profile().find("Viewer path=Wordpad.exe"), std::string::npos);
}

TEST_F(SetupModeTest, TheMinimisedWindowCentresItsIcon) {
    struct Case {
        Size client;
        std::string drawn;
    };
    const Case cases[] = {
        {{37, 37}, "icon 3,3 (window icon)"},
        {{30, 30}, "icon 0,0 (window icon)"},
        {{32, 33}, "icon 0,1 (window icon)"},
        {{100, 20}, "icon 34,-5 (window icon)"},
    };
    Run([&](Dialog& d) {
        EXPECT_EQ(d.Icon(true), d.Icon(false));
        EXPECT_NE(d.Icon(true), nullptr);
        d.Paint();
        EXPECT_EQ(d.PaintLog(), std::vector<std::string>{"default"});
        for (const Case& c : cases) {
            d.Minimize(c.client);
            EXPECT_EQ(d.PaintLog(), (std::vector<std::string>{"erase", c.drawn}));
        }
        d.Click(IDCANCEL);
    });
}

}  // namespace
