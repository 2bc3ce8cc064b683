// The setup dialog, the About box, message boxes, the file chooser and the help window as real
// GTK widgets. The program's application object runs on the test's main thread with the real
// module, loaded as the program loads it, and an in-memory System that records what is saved
// and registered; the user acts from a thread of its own, by window title and control id.

#include <sys/stat.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

#include "../support/temp_dir.h"
#include "app/launcher_app.h"
#include "config/shell_registration.h"
#include "platform/gtk/gtk_test_driver.h"
#include "platform/headless/headless_system.h"
#include "platform/posix/lazy_ui.h"
#include "ui/resource.h"
#include "ui/setup_rules.h"

namespace {

constexpr char kSetup[] = "Korvo Explorer extension";
constexpr char kAbout[] = "About Korvo Explorer extension";
constexpr char kMessage[] = "korvlink";  // the application's title
constexpr char kChooser[] = "Open";
constexpr char kSetupHelp[] = "Setting up korvlink";
constexpr char kAboutHelp[] = "About korvlink";
constexpr char kDefaultEmulator[] = "x:\\emulator\\mac\\korvo\\korvo.exe -keyboard Suomi";

const std::vector<std::string> kTabOrder = {
    std::to_string(IDC_EMULATOR_PATH), std::to_string(IDC_BROWSE_EMULATOR), std::to_string(IDC_BROWSE_VIEWER),
    std::to_string(IDOK), std::to_string(IDCANCEL), std::to_string(IDC_INSTALL), std::to_string(ID_HELP),
    std::to_string(IDC_VIEWER_PATH)};

class GtkDialogs : public ::testing::Test {
public:
    GtkDialogs() { ResetSystem(); }

    void ResetSystem() {
        system = HeadlessSystem();
        // Beside the real program, so that help finds build/share/korvlink/korvlink.HLP.
        system.moduleFileName = KORVLINK_BINARY;
        system.commandLine = "\"" KORVLINK_BINARY "\"";
        system.style = PathStyle::kPosix;
        system.ignoreCase = false;
    }

    // Runs the program while `user` acts on its windows; the program's exit code.
    int Run(const std::function<void()>& user) {
        return RunOnGtkThread([this] { return AfxWinMain(app, system, ui); }, user);
    }

    // Runs `program` on this thread while `user` acts from another; the program's result.
    int RunOnGtkThread(const std::function<int()>& program, const std::function<void()>& user) {
        std::atomic<bool> ended{false};
        std::thread userThread([&] {
            user();
            // A test that failed half-way leaves windows open: close them so that the run ends.
            for (int attempt = 0; !GtkTestDriver::WaitUntil([&] { return ended.load(); }); ++attempt) {
                if (attempt == 3) {
                    ADD_FAILURE() << "the program does not end";
                    std::_Exit(1);
                }
                driver.DismissEverything();
            }
        });
        const int result = program();
        ended = true;
        userThread.join();
        return result;
    }

    // The profile writes and the registration, in order.
    std::vector<std::string> Changes() const {
        std::vector<std::string> changes;
        for (const std::string& event : system.events) {
            if (event.rfind("write", 0) == 0 || event.rfind("register", 0) == 0) changes.push_back(event);
        }
        return changes;
    }

    void Screenshot(const std::string& title, const std::string& name) const {
        std::filesystem::create_directories(KORVLINK_SCREENSHOT_DIR);
        EXPECT_TRUE(driver.Screenshot(title, std::string(KORVLINK_SCREENSHOT_DIR "/") + name));
    }

    // Presses Tab until the control has the focus (at most once round the dialog).
    void FocusWithTab(int id) const {
        for (std::size_t i = 0; i < kTabOrder.size() && driver.FocusedControl(kSetup) != id; ++i) {
            driver.PressKey(kSetup, "Tab");
        }
        ASSERT_EQ(driver.FocusedControl(kSetup), id);
    }

    HeadlessSystem system;
    CLauncherApp app;
    LazyUi ui{KORVLINK_GTK_MODULE, "korvlink"};
    GtkTestDriver driver;
};

TEST_F(GtkDialogs, SetupDialogShowsItsTemplateAndOkSavesWhatTheFieldsShowed) {
    std::string emulatorShown, viewerShown;
    const int exitCode = Run([&] {
        ASSERT_TRUE(driver.WaitForWindow(kSetup));
        const GtkTestDriver::WindowState window = driver.Window(kSetup);
        EXPECT_FALSE(window.resizable);
        EXPECT_TRUE(window.modal);
        EXPECT_FALSE(window.skipTaskbar) << "the setup dialog has a taskbar entry";
        EXPECT_EQ(window.ownerTitle, "");
        // Centred on the screen.
        const GtkTestDriver::WindowState screen = driver.Screen();
        EXPECT_NEAR(window.x + window.width / 2, screen.x + screen.width / 2, 1);
        EXPECT_NEAR(window.y + window.height / 2, screen.y + screen.height / 2, 1);

        EXPECT_EQ(driver.Text(kSetup, IDC_EMULATOR_PATH), kDefaultEmulator);
        EXPECT_EQ(driver.Text(kSetup, IDC_VIEWER_PATH), "Wordpad.exe");
        EXPECT_EQ(driver.ListItems(kSetup, IDC_VIEWER_PATH),
                  (std::vector<std::string>{"Notepad.exe", "Wordpad.exe", "Write.exe"}));
        EXPECT_EQ(driver.FocusedControl(kSetup), IDC_EMULATOR_PATH);
        EXPECT_TRUE(driver.Visible(kSetup, ID_HELP));
        EXPECT_EQ(driver.MenuItems(kSetup), (std::vector<std::string>{"_Close", "-", "_About korvlink..."}));

        // The buttons stand in a column beside the fields, none covering another.
        const GtkTestDriver::Rect field = driver.ControlRect(kSetup, IDC_EMULATOR_PATH);
        const GtkTestDriver::Rect browse = driver.ControlRect(kSetup, IDC_BROWSE_EMULATOR);
        EXPECT_GT(browse.x, field.x + field.width);
        int previousBottom = 0;
        for (int id : {IDOK, IDCANCEL, IDC_INSTALL, ID_HELP}) {
            const GtkTestDriver::Rect button = driver.ControlRect(kSetup, id);
            EXPECT_GT(button.x, browse.x + browse.width) << id;
            EXPECT_GE(button.y, previousBottom) << id;
            previousBottom = button.y + button.height;
        }
        Screenshot(kSetup, "setup-dialog.png");

        driver.Type(kSetup, IDC_EMULATOR_PATH, "/opt/korvo/korvo -keyboard Suomi");
        driver.Type(kSetup, IDC_VIEWER_PATH, "Note");
        emulatorShown = driver.Text(kSetup, IDC_EMULATOR_PATH);
        viewerShown = driver.Text(kSetup, IDC_VIEWER_PATH);
        driver.Click(kSetup, IDOK);
    });
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(emulatorShown, "/opt/korvo/korvo -keyboard Suomi");
    EXPECT_EQ(Changes(), (std::vector<std::string>{"write Setup/Korvo path=" + emulatorShown,
                                                    "write Setup/Viewer path=" + viewerShown}));
}

TEST_F(GtkDialogs, OnlyOkAndEnterSave) {
    struct Case {
        const char* name;
        std::function<void(GtkDialogs&)> act;
        bool saves;
    };
    const Case cases[] = {
        {"Enter in the emulator field", [](GtkDialogs& t) { t.driver.PressKey(kSetup, "Return"); }, true},
        {"Enter in the viewer field",
         [](GtkDialogs& t) {
             t.FocusWithTab(IDC_VIEWER_PATH);
             t.driver.PressKey(kSetup, "Return");
         },
         true},
        {"Enter on the Cancel button",
         [](GtkDialogs& t) {
             t.FocusWithTab(IDCANCEL);
             t.driver.PressKey(kSetup, "Return");
         },
         false},
        {"Cancel", [](GtkDialogs& t) { t.driver.Click(kSetup, IDCANCEL); }, false},
        {"Escape", [](GtkDialogs& t) { t.driver.PressKey(kSetup, "Escape"); }, false},
        {"the close button", [](GtkDialogs& t) { t.driver.Close(kSetup); }, false},
        {"Close in the window menu",
         [](GtkDialogs& t) {
             t.driver.PressKey(kSetup, "space", "alt");
             ASSERT_TRUE(GtkTestDriver::WaitUntil([&] { return t.driver.MenuShown(kSetup); }));
             t.driver.PressMenuKey(kSetup, "c");
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetSystem();
        const int exitCode = Run([&] {
            ASSERT_TRUE(driver.WaitForWindow(kSetup));
            driver.Type(kSetup, IDC_EMULATOR_PATH, "edited");
            c.act(*this);
        });
        EXPECT_EQ(exitCode, 0);
        EXPECT_EQ(Changes().size(), c.saves ? 2u : 0u);
    }
}

TEST_F(GtkDialogs, TabWalksTheTemplateOrder) {
    std::vector<std::string> forward, backward;
    Run([&] {
        ASSERT_TRUE(driver.WaitForWindow(kSetup));
        for (std::size_t i = 0; i < kTabOrder.size(); ++i) {
            driver.PressKey(kSetup, "Tab");
            forward.push_back(std::to_string(driver.FocusedControl(kSetup)));
        }
        for (std::size_t i = 0; i < kTabOrder.size(); ++i) {
            driver.PressKey(kSetup, "Tab", "shift");
            backward.push_back(std::to_string(driver.FocusedControl(kSetup)));
        }
        driver.Click(kSetup, IDCANCEL);
    });
    std::vector<std::string> expectedForward(kTabOrder.begin() + 1, kTabOrder.end());
    expectedForward.push_back(kTabOrder.front());
    EXPECT_EQ(forward, expectedForward);
    std::vector<std::string> expectedBackward(kTabOrder.rbegin(), kTabOrder.rend());
    EXPECT_EQ(backward, expectedBackward);
}

TEST_F(GtkDialogs, InstallShowsItsMessageAndOkThenRegisters) {
    Run([&] {
        ASSERT_TRUE(driver.WaitForWindow(kSetup));
        driver.Click(kSetup, IDC_INSTALL);
        ASSERT_TRUE(driver.WaitForWindow(kMessage));
        const GtkTestDriver::MessageBoxState box = driver.MessageBox(kMessage);
        EXPECT_EQ(box.text,
                  "The program is going to modify the registry file key\n"
                  "\"HKEY_CLASSES_ROOT\\Unknown\\shell\\open\\command\".\n\n"
                  "The modification will take place when you close the main dialog using the OK button.");
        EXPECT_EQ(box.iconName, "dialog-information");
        EXPECT_EQ(box.buttons, (std::vector<std::string>{"_OK"}));
        EXPECT_EQ(box.ownerTitle, kSetup);
        EXPECT_TRUE(driver.Window(kMessage).modal);
        EXPECT_FALSE(driver.Window(kSetup).sensitive) << "the owner takes no input meanwhile";
        driver.Click(kSetup, IDOK);  // ignored: the setup dialog is disabled
        Screenshot(kMessage, "install-message.png");

        driver.PressKey(kMessage, "Return");
        ASSERT_TRUE(driver.WaitForNoWindow(kMessage));
        EXPECT_TRUE(driver.Window(kSetup).sensitive);
        EXPECT_TRUE(Changes().empty()) << "nothing is written before OK";
        driver.Click(kSetup, IDOK);
    });
    EXPECT_EQ(Changes(),
              (std::vector<std::string>{
                  "write Setup/Korvo path=" + std::string(kDefaultEmulator), "write Setup/Viewer path=Wordpad.exe",
                  "register " + std::string(kUnknownOpenCommandKey) + "=" + ShellOpenCommand(KORVLINK_BINARY)}));
}

TEST_F(GtkDialogs, AboutBoxOpensFromTheWindowMenuAndLeavesTheSetupAsItWas) {
    struct Opening {
        const char* name;
        std::function<void(GtkDialogs&)> openMenu;
        const char* closingKey;  // empty: the close button
    };
    const Opening openings[] = {
        {"Alt+Space, Escape", [](GtkDialogs& t) { t.driver.PressKey(kSetup, "space", "alt"); }, "Escape"},
        {"the menu button, Enter", [](GtkDialogs& t) { t.driver.ClickMenuButton(kSetup); }, "Return"},
        {"Alt+Space, the close button", [](GtkDialogs& t) { t.driver.PressKey(kSetup, "space", "alt"); }, ""},
    };
    Run([&] {
        ASSERT_TRUE(driver.WaitForWindow(kSetup));
        driver.Type(kSetup, IDC_EMULATOR_PATH, "edited");
        for (const Opening& opening : openings) {
            SCOPED_TRACE(opening.name);
            opening.openMenu(*this);
            ASSERT_TRUE(GtkTestDriver::WaitUntil([&] { return driver.MenuShown(kSetup); }));
            driver.PressMenuKey(kSetup, "a");
            ASSERT_TRUE(driver.WaitForWindow(kAbout));

            const GtkTestDriver::WindowState about = driver.Window(kAbout);
            const GtkTestDriver::WindowState setup = driver.Window(kSetup);
            EXPECT_EQ(about.ownerTitle, kSetup);
            EXPECT_TRUE(about.modal);
            EXPECT_TRUE(about.skipTaskbar) << "the About box has no taskbar entry of its own";
            EXPECT_FALSE(about.resizable);
            EXPECT_FALSE(setup.sensitive);
            EXPECT_NEAR(about.x + about.width / 2, setup.x + setup.width / 2, 1);
            EXPECT_NEAR(about.y + about.height / 2, setup.y + setup.height / 2, 1);
            // "Nice!" is its only tab stop.
            EXPECT_EQ(driver.FocusedControl(kAbout), IDOK);
            driver.PressKey(kAbout, "Tab");
            EXPECT_EQ(driver.FocusedControl(kAbout), IDOK);
            if (&opening == &openings[0]) Screenshot(kAbout, "about-box.png");

            if (*opening.closingKey != '\0') {
                driver.PressKey(kAbout, opening.closingKey);
            } else {
                driver.Close(kAbout);
            }
            ASSERT_TRUE(driver.WaitForNoWindow(kAbout));
            EXPECT_TRUE(driver.Window(kSetup).sensitive);
            EXPECT_EQ(driver.Text(kSetup, IDC_EMULATOR_PATH), "edited");
        }
        driver.Click(kSetup, IDCANCEL);
    });
    EXPECT_TRUE(Changes().empty());
}

TEST_F(GtkDialogs, HelpShowsTheTopicOfTheDialogWithTheFocus) {
    Run([&] {
        ASSERT_TRUE(driver.WaitForWindow(kSetup));
        // A key is handled before the next question is answered.
        driver.PressKey(kSetup, "F1", "shift");
        driver.PressKey(kSetup, "F1", "ctrl");
        EXPECT_FALSE(driver.Window(kSetupHelp).shown) << "F1 with Shift or Ctrl does nothing";

        driver.PressKey(kSetup, "F1");
        ASSERT_TRUE(driver.WaitForWindow(kSetupHelp));
        EXPECT_EQ(driver.HelpText(kSetupHelp).rfind("korvlink opens Korvo documents from your desktop.", 0), 0u);
        EXPECT_FALSE(driver.Window(kSetupHelp).modal);
        Screenshot(kSetupHelp, "help-window.png");

        // F1 in the About box shows its topic in the same window, which stays usable meanwhile.
        driver.PressKey(kSetup, "space", "alt");
        ASSERT_TRUE(GtkTestDriver::WaitUntil([&] { return driver.MenuShown(kSetup); }));
        driver.PressMenuKey(kSetup, "a");
        ASSERT_TRUE(driver.WaitForWindow(kAbout));
        driver.PressKey(kAbout, "F1");
        ASSERT_TRUE(driver.WaitForWindow(kAboutHelp));
        EXPECT_FALSE(driver.Window(kSetupHelp).shown);
        EXPECT_TRUE(driver.Window(kAboutHelp).sensitive);
        driver.PressKey(kAbout, "Escape");
        ASSERT_TRUE(driver.WaitForNoWindow(kAbout));

        // The Help button (Alt+H) is the same request.
        driver.PressKey(kSetup, "h", "alt");
        ASSERT_TRUE(driver.WaitForWindow(kSetupHelp));
        driver.Click(kSetup, IDCANCEL);
    });
    // The dialog's closing told the help engine that it is no longer needed.
    EXPECT_FALSE(driver.Window(kSetupHelp).shown);
}

TEST_F(GtkDialogs, BrowseFillsTheFieldFromTheFileChooser) {
    TempDir folder;
    const std::string tool = folder / "tool", viewer = folder / "My Viewer", notes = folder / "notes.txt",
                      old = folder / "OLD.EXE";
    for (const std::string& file : {tool, viewer, notes, old}) std::ofstream(file) << "x";
    chmod(tool.c_str(), 0755);
    chmod(viewer.c_str(), 0755);
    system.profileFiles["korvlink.INI"] = "[Setup]\nKorvo path=" + tool + " -x\n";

    Run([&] {
        ASSERT_TRUE(driver.WaitForWindow(kSetup));
        driver.Click(kSetup, IDC_BROWSE_EMULATOR);
        ASSERT_TRUE(driver.WaitForWindow(kChooser));
        EXPECT_EQ(driver.Window(kChooser).ownerTitle, kSetup);
        EXPECT_FALSE(driver.Window(kSetup).sensitive);
        const GtkTestDriver::FileChooserState chooser = driver.FileChooser(kChooser);
        EXPECT_EQ(chooser.filters, (std::vector<std::string>{"Program Files", "All Files"}));
        EXPECT_EQ(chooser.currentFilter, "Program Files");
        EXPECT_TRUE(GtkTestDriver::WaitUntil([&] { return driver.FileChooser(kChooser).selected == tool; }))
            << "it starts with the program of the command selected";
        struct Shown {
            std::string filter, file;
            bool shown;
        };
        const Shown shown[] = {
            {"Program Files", tool, true}, {"Program Files", old, true}, {"Program Files", notes, false},
            {"All Files", notes, true},
        };
        for (const Shown& s : shown) EXPECT_EQ(driver.FilterShows(kChooser, s.filter, s.file), s.shown) << s.filter << " " << s.file;

        ASSERT_TRUE(driver.ChooseFile(kChooser, viewer));
        ASSERT_TRUE(driver.WaitForNoWindow(kChooser));
        // The chosen program, quoted for its blank, keeps the command's parameters.
        EXPECT_EQ(driver.Text(kSetup, IDC_EMULATOR_PATH), "\"" + viewer + "\" -x");

        // A chooser closed without a choice changes nothing.
        driver.Click(kSetup, IDC_BROWSE_VIEWER);
        ASSERT_TRUE(driver.WaitForWindow(kChooser));
        driver.Close(kChooser);
        ASSERT_TRUE(driver.WaitForNoWindow(kChooser));
        EXPECT_EQ(driver.Text(kSetup, IDC_VIEWER_PATH), "Wordpad.exe");
        driver.Click(kSetup, IDOK);
    });
    EXPECT_EQ(Changes().at(0), "write Setup/Korvo path=\"" + viewer + "\" -x");
}

TEST_F(GtkDialogs, LauncherModeShowsItsMessageInAWindowOfItsOwn) {
    system.commandLine = "\"" KORVLINK_BINARY "\" \"/nowhere/Report\"";
    const int exitCode = Run([&] {
        ASSERT_TRUE(driver.WaitForWindow(kMessage));
        const GtkTestDriver::MessageBoxState box = driver.MessageBox(kMessage);
        EXPECT_EQ(box.text, "Cannot find file /nowhere/Report");
        EXPECT_EQ(box.iconName, "dialog-warning");
        EXPECT_EQ(box.buttons, (std::vector<std::string>{"_OK"}));
        EXPECT_EQ(box.ownerTitle, "");
        EXPECT_FALSE(driver.Window(kMessage).skipTaskbar);
        Screenshot(kMessage, "launcher-message.png");
        driver.PressKey(kMessage, "Return");
    });
    EXPECT_EQ(exitCode, 0);
}

TEST_F(GtkDialogs, MessageBoxesAnswerWithTheButtonPressed) {
    struct Case {
        unsigned type;
        const char* key;
        std::vector<std::string> buttons;
        std::string iconName;
        int answer;
    };
    const Case cases[] = {
        {MB_OK | MB_ICONEXCLAMATION, "Escape", {"_OK"}, "dialog-warning", IDOK},
        {MB_OKCANCEL | MB_ICONQUESTION, "Return", {"_Cancel", "_OK"}, "dialog-question", IDOK},
        {MB_OKCANCEL | MB_ICONQUESTION, "Escape", {"_Cancel", "_OK"}, "dialog-question", IDCANCEL},
        {MB_YESNO | MB_ICONHAND, "Return", {"_No", "_Yes"}, "dialog-error", 6 /* IDYES */},
        {MB_YESNO | MB_ICONHAND, "Escape", {"_No", "_Yes"}, "dialog-error", 7 /* IDNO */},
        {MB_YESNOCANCEL, "Escape", {"_Cancel", "_No", "_Yes"}, "", IDCANCEL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key + (" on type " + std::to_string(c.type)));
        const int answer = RunOnGtkThread([&] { return ui.ShowMessageBox(nullptr, "Sure?", "Question", c.type); },
                                          [&] {
                                              ASSERT_TRUE(driver.WaitForWindow("Question"));
                                              const GtkTestDriver::MessageBoxState box = driver.MessageBox("Question");
                                              EXPECT_EQ(box.buttons, c.buttons);
                                              EXPECT_EQ(box.iconName, c.iconName);
                                              driver.PressKey("Question", c.key);
                                          });
        EXPECT_EQ(answer, c.answer);
    }
}

TEST_F(GtkDialogs, TheHelpEngineRefusesWhatItCannotShow) {
    EXPECT_FALSE(ui.ShowHelp(nullptr, "/nowhere/korvlink.HLP", HELP_CONTEXT, 131174));
    EXPECT_FALSE(ui.ShowHelp(nullptr, KORVLINK_HELP_FILE, HELP_CONTEXT, 4242));
    EXPECT_TRUE(ui.ShowHelp(nullptr, KORVLINK_HELP_FILE, HELP_CONTEXT, 131172));
    EXPECT_TRUE(ui.ShowHelp(nullptr, KORVLINK_HELP_FILE, HELP_QUIT, 0));
    EXPECT_TRUE(ui.ShowHelp(nullptr, KORVLINK_HELP_FILE, HELP_QUIT, 0)) << "with no window open";
}

}  // namespace
