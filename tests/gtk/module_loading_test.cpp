// The real build/bin/korvlink and its GTK module, without a display: launcher mode loads the
// module only when it has a message to show, and setup mode says why it cannot open when the
// module or the display is missing. The display named here does not exist.

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "../support/temp_dir.h"
#include "process.h"

namespace {

constexpr char kNoSuchDisplay[] = "DISPLAY=:9999";

class GtkModuleLoading : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(home / "config/korvlink");
        std::filesystem::create_directories(home / "docs");
    }
    std::vector<std::string> Environment(const std::vector<std::string>& extra) const {
        std::vector<std::string> environment = {"HOME=" + home.Path(), "XDG_CONFIG_HOME=" + (home / "config"),
                                                "PATH=/usr/bin:/bin", "RECORDER_OUT=" + (home / "recorded")};
        environment.insert(environment.end(), extra.begin(), extra.end());
        return environment;
    }
    // The shared objects the dynamic linker loaded into every process of the run.
    std::string LoadedFiles() const {
        std::string all;
        for (const auto& entry : std::filesystem::directory_iterator(home.Path())) {
            if (entry.path().filename().string().rfind("ld.", 0) == 0) all += ReadFileText(entry.path().string());
        }
        return all;
    }

    TempDir home;
};

TEST_F(GtkModuleLoading, LauncherModeLoadsTheModuleOnlyToShowAMessage) {
    std::ofstream(home / "config/korvlink/korvlink.INI")
        << "[Setup]\nViewer path=\"" RECORDER_BINARY "\" viewer\n";
    std::ofstream(home / "docs/letter") << "x";
    struct Case {
        const char* name;
        std::string document;
        bool loadsTheModule;
        std::string errors;
    };
    const Case cases[] = {
        {"a document that opens", home / "docs/letter", false, ""},
        // The module cannot open the display, so the message falls back to standard error.
        {"a message to show", home / "docs/Missing", true, "korvlink: Cannot find file " + (home / "docs/Missing") + "\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const auto& entry : std::filesystem::directory_iterator(home.Path())) {
            if (entry.path().filename().string().rfind("ld.", 0) == 0) std::filesystem::remove(entry.path());
        }
        Process korvlink({KORVLINK_BINARY, c.document},
                         Environment({kNoSuchDisplay, "LD_DEBUG=files", "LD_DEBUG_OUTPUT=" + (home / "ld")}),
                         home / "korvlink");
        EXPECT_EQ(korvlink.Wait(), 0);
        EXPECT_EQ(korvlink.Errors(), c.errors);
        const std::string loaded = LoadedFiles();
        ASSERT_NE(loaded.find("libc.so"), std::string::npos) << "the dynamic linker reported nothing";
        EXPECT_EQ(loaded.find("libkorvlink-gtk.so") != std::string::npos, c.loadsTheModule);
        EXPECT_EQ(loaded.find("libgtk-3.so") != std::string::npos, c.loadsTheModule);
    }
}

TEST_F(GtkModuleLoading, SetupModeSaysWhyItCannotOpen) {
    // A copy of the program without its lib/ folder finds no module.
    std::filesystem::create_directories(home / "alone/bin");
    std::filesystem::copy_file(KORVLINK_BINARY, home / "alone/bin/korvlink");
    struct Case {
        const char* name;
        std::string program;
        std::vector<std::string> environment;
        std::string reason;
    };
    const Case cases[] = {
        {"no display", KORVLINK_BINARY, {}, "no graphical display is available."},
        {"no module", home / "alone/bin/korvlink", {kNoSuchDisplay},
         "the GTK user interface could not be loaded: " + (home / "alone/bin/../lib/korvlink/libkorvlink-gtk.so") +
             ": cannot open shared object file: No such file or directory."},
        {"a display that cannot be opened", KORVLINK_BINARY, {kNoSuchDisplay}, "the display :9999 could not be opened."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Process korvlink({c.program}, Environment(c.environment), home / "korvlink");
        EXPECT_EQ(korvlink.Wait(), 1);
        EXPECT_EQ(korvlink.Errors(), "Korvo Explorer extension: cannot be shown: " + c.reason + "\n");
        EXPECT_FALSE(std::filesystem::exists(home / "config/korvlink/korvlink.INI"));
    }
}

}  // namespace
