// The real build/bin/korvlink on the display, driven as a user drives it: real key presses
// (xdotool) into the focused window. It checks what only the whole program shows: the module is
// found and loaded, the keyboard reaches the dialogs, and the settings file gets what was typed.

#include <filesystem>
#include <thread>

#include <gtest/gtest.h>

#include "../support/temp_dir.h"
#include "process.h"

namespace {

constexpr char kSetup[] = "Korvo Explorer extension";

class Keyboard : public ::testing::Test {
public:
    // Starts korvlink with `args` and the display of the test.
    std::unique_ptr<Process> Korvlink(const std::vector<std::string>& args) const {
        std::vector<std::string> argv = {KORVLINK_BINARY};
        argv.insert(argv.end(), args.begin(), args.end());
        std::vector<std::string> environment = {"HOME=" + home.Path(), "XDG_CONFIG_HOME=" + (home / "config"),
                                                "PATH=/usr/bin:/bin"};
        for (const std::string& variable :
             Inherited({"DISPLAY", "GDK_BACKEND", "GTK_THEME", "NO_AT_BRIDGE", "GSETTINGS_BACKEND", "ASAN_OPTIONS",
                       "LSAN_OPTIONS"})) {
            environment.push_back(variable);
        }
        return std::make_unique<Process>(argv, environment, home / "korvlink");
    }

    // Runs xdotool; its standard output, or nothing when it failed.
    std::optional<std::string> Xdotool(const std::vector<std::string>& args) const {
        std::vector<std::string> argv = {"timeout", "10", "xdotool"};
        argv.insert(argv.end(), args.begin(), args.end());
        Process xdotool(argv, Inherited({"DISPLAY", "PATH"}), home / "xdotool");
        if (xdotool.Wait(std::chrono::seconds(15)) != 0) return std::nullopt;
        return xdotool.Output();
    }

    // Waits (bounded) for a shown window with exactly that title, and gives it the keyboard.
    bool Focus(const std::string& title) const {
        const std::optional<std::string> found =
            Xdotool({"search", "--sync", "--onlyvisible", "--name", "^" + title + "$"});
        if (!found || found->empty()) return false;
        const std::string window = found->substr(0, found->find('\n'));
        return Xdotool({"windowfocus", "--sync", window}).has_value();
    }

    // Waits (bounded) until no shown window has that title.
    bool WaitUntilGone(const std::string& title) const {
        for (int i = 0; i < 200; ++i) {
            const std::optional<std::string> found = Xdotool({"search", "--onlyvisible", "--name", "^" + title + "$"});
            if (!found || found->empty()) return true;  // xdotool fails when it finds nothing
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }

    bool Keys(const std::vector<std::string>& keys) const {
        std::vector<std::string> args = {"key", "--delay", "20"};
        args.insert(args.end(), keys.begin(), keys.end());
        return Xdotool(args).has_value();
    }

    std::string Profile() const { return ReadFileText(home / "config/korvlink/korvlink.INI"); }

    TempDir home;
};

TEST_F(Keyboard, SetupModeSavesWhatWasTypedOnEnterAndNothingOnEscape) {
    struct Case {
        const char* name;
        std::function<void(const Keyboard&)> act;
        std::string profile;
    };
    const Case cases[] = {
        {"typed, then Enter",
         [](const Keyboard& t) {
             // The focus starts in the emulator field, its text selected.
             ASSERT_TRUE(t.Xdotool({"type", "--delay", "5", "/opt/korvo/korvo -k"}));
             ASSERT_TRUE(t.Keys({"Return"}));
         },
         "[Setup]\nKorvo path=/opt/korvo/korvo -k\nViewer path=Wordpad.exe\n"},
        {"typed, then Escape",
         [](const Keyboard& t) {
             ASSERT_TRUE(t.Xdotool({"type", "--delay", "5", "/opt/korvo/korvo -k"}));
             ASSERT_TRUE(t.Keys({"Escape"}));
         },
         ""},
        {"the About box from Alt+Space, closed with Escape, then Escape",
         [](const Keyboard& t) {
             ASSERT_TRUE(t.Keys({"alt+space", "a"}));
             ASSERT_TRUE(t.Focus("About Korvo Explorer extension"));
             ASSERT_TRUE(t.Keys({"Escape"}));
             // Keys meant for the setup dialog would still go to the About box while it is open.
             ASSERT_TRUE(t.WaitUntilGone("About Korvo Explorer extension"));
             ASSERT_TRUE(t.Focus(kSetup));
             ASSERT_TRUE(t.Keys({"Escape"}));
         },
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(home / "config");
        std::unique_ptr<Process> korvlink = Korvlink({});
        ASSERT_TRUE(Focus(kSetup)) << korvlink->Errors();
        c.act(*this);
        EXPECT_EQ(korvlink->Wait(), 0) << korvlink->Errors();
        EXPECT_EQ(Profile(), c.profile);
    }
}

TEST_F(Keyboard, LauncherModeShowsItsMessageInAWindow) {
    std::unique_ptr<Process> korvlink = Korvlink({home / "Missing"});
    ASSERT_TRUE(Focus("korvlink")) << korvlink->Errors();
    ASSERT_TRUE(Keys({"Return"}));
    EXPECT_EQ(korvlink->Wait(), 0);
    EXPECT_EQ(korvlink->Errors().find("Cannot find file"), std::string::npos) << "the message went to a window";
}

}  // namespace
