// The real build/bin/korvlink in launcher mode: a temporary HOME and XDG_CONFIG_HOME, no display
// (messages arrive on standard error), and a recorder program as emulator and viewer.

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

#include "../support/temp_dir.h"

namespace {

using namespace std::string_literals;

struct RunResult {
    int exitCode = -1;
    std::string stderrText;
};

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class LauncherE2E : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(home / "config/korvlink");
        std::filesystem::create_directories(home / "docs");
        recorded = home / "recorded";
    }

    std::string Docs(const std::string& name) const { return home / ("docs/" + name); }
    void Touch(const std::string& name) const { std::ofstream(Docs(name)) << "x"; }
    void Profile(const std::string& text) const {
        std::ofstream(home / "config/korvlink/korvlink.INI", std::ios::binary) << text;
    }
    void Commands(const std::string& emulator, const std::string& viewer) const {
        Profile("[Setup]\nKorvo path=" + emulator + "\nViewer path=" + viewer + "\n");
    }
    static std::string Recorder(const std::string& role) { return "\"" RECORDER_BINARY "\" " + role; }

    // Runs korvlink with `args`, in `directory`, with a clean environment plus `extraEnvironment`.
    RunResult Korvlink(const std::vector<std::string>& args, const std::string& directory = "",
                 const std::vector<std::string>& extraEnvironment = {}) const {
        std::vector<std::string> argv = {KORVLINK_BINARY};
        argv.insert(argv.end(), args.begin(), args.end());
        std::vector<std::string> environment = {
            "HOME=" + home.Path(), "XDG_CONFIG_HOME=" + (home / "config"), "PATH=/usr/bin:/bin",
            "RECORDER_OUT=" + recorded};
        environment.insert(environment.end(), extraEnvironment.begin(), extraEnvironment.end());
        const std::string errors = home / "stderr";

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 2, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (!directory.empty()) posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
        std::vector<char*> argvPointers, environmentPointers;
        for (auto& a : argv) argvPointers.push_back(a.data());
        for (auto& e : environment) environmentPointers.push_back(e.data());
        argvPointers.push_back(nullptr);
        environmentPointers.push_back(nullptr);
        pid_t pid = 0;
        RunResult run;
        if (posix_spawn(&pid, argv[0].c_str(), &actions, nullptr, argvPointers.data(),
                        environmentPointers.data()) == 0) {
            int status = 0;
            waitpid(pid, &status, 0);
            run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        posix_spawn_file_actions_destroy(&actions);
        run.stderrText = ReadAll(errors);
        return run;
    }

    // The arguments the recorder received, once it has written them (korvlink does not wait).
    std::vector<std::string> Recorded() const {
        for (int i = 0; i < 500 && !std::filesystem::exists(recorded); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        const std::string bytes = ReadAll(recorded);
        std::vector<std::string> parts;
        std::size_t start = 0;
        for (std::size_t nul; (nul = bytes.find('\0', start)) != std::string::npos; start = nul + 1) {
            parts.push_back(bytes.substr(start, nul - start));
        }
        parts.push_back(bytes.substr(start));  // "marker=..."
        return parts;
    }

    // Nothing was started: after korvlink has exited, a started recorder would already have run.
    bool NothingStarted() const {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        return !std::filesystem::exists(recorded);
    }

    TempDir home;
    std::string recorded;
};

TEST_F(LauncherE2E, BothFilesStartTheEmulatorOnTheDataFile) {
    Commands(Recorder("emulator -keyboard Suomi"), Recorder("viewer"));
    Touch("Report");
    Touch("%Report");
    const std::string data = Docs("Report");
    for (const std::string& opened : {Docs("Report"), Docs("%Report")}) {
        SCOPED_TRACE(opened);
        std::filesystem::remove(recorded);
        const RunResult run = Korvlink({opened});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.stderrText, "");
        EXPECT_EQ(Recorded(), (std::vector<std::string>{"emulator", "-keyboard", "Suomi", data, "marker=" + data}));
    }
}

TEST_F(LauncherE2E, OneFileStartsTheViewerOnTheFileThatExists) {
    Commands(Recorder("emulator"), Recorder("viewer"));
    Touch("letter.txt");
    Touch("%lonely");
    for (const std::string& name : {"letter.txt"s, "lonely"s, "%lonely"s}) {
        SCOPED_TRACE(name);
        std::filesystem::remove(recorded);
        const std::string present = Docs(name == "letter.txt" ? name : "%lonely");
        EXPECT_EQ(Korvlink({Docs(name)}).exitCode, 0);
        EXPECT_EQ(Recorded(), (std::vector<std::string>{"viewer", present, "marker=" + present}));
    }
}

TEST_F(LauncherE2E, FailuresAreReportedWithTheTitleAndExitZero) {
    Touch("both");
    Touch("%both");
    Touch("one");
    const std::string both = Docs("both");
    const std::string one = Docs("one");
    struct Case {
        const char* name;
        std::string profile;
        std::string document;
        std::string message;
    };
    const Case cases[] = {
        {"neither file", "[Setup]\nKorvo path=x\nViewer path=y\n", Docs("Missing"),
         "Cannot find file " + Docs("Missing")},
        {"neither file, both commands empty", "", Docs("Missing"), "Cannot find file " + Docs("Missing")},
        {"emulator empty", "[Setup]\nKorvo path=\nViewer path=" + Recorder("v") + "\n", both,
         "Korvo path is not defined!"},
        {"viewer empty", "[Setup]\nKorvo path=" + Recorder("e") + "\n", one, "Viewer path is not defined!"},
        {"no profile at all", "", both, "Korvo path is not defined!"},
        {"command of blanks", "[Setup]\nKorvo path=\"   \"\n", both, "Could not start     \"" + both + "\""},
        {"no such program", "[Setup]\nViewer path=no-such-program -x\n", one,
         "Could not start no-such-program -x \"" + one + "\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Profile(c.profile);
        const RunResult run = Korvlink({c.document});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.stderrText, "korvlink: " + c.message + "\n");
    }
    EXPECT_TRUE(NothingStarted());
}

TEST_F(LauncherE2E, AwkwardFileNamesArriveByteForByte) {
    Commands(Recorder("emulator"), Recorder("viewer"));
    const std::string names[] = {
        "with blanks  and  more", "quote\"inside", "ends in quote\"", "back\\slash\\", "$(touch pwned)",
        "a\"; rm -rf ~; \"", "semi;colon", "-leading-dash", "not utf-8 \xff\xfe", "new\nline", "'single'",
    };
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        Touch(name);
        std::filesystem::remove(recorded);
        EXPECT_EQ(Korvlink({Docs(name)}).exitCode, 0);
        EXPECT_EQ(Recorded(), (std::vector<std::string>{"viewer", Docs(name), "marker=" + Docs(name)}));
    }
    EXPECT_FALSE(std::filesystem::exists(home / "docs/pwned"));
    EXPECT_FALSE(std::filesystem::exists("pwned"));

    // A relative name that looks like an option is still just the document.
    std::filesystem::remove(recorded);
    EXPECT_EQ(Korvlink({"-leading-dash"}, home / "docs").exitCode, 0);
    EXPECT_EQ(Recorded().at(1), "-leading-dash");
}

TEST_F(LauncherE2E, AHandWrittenProfileIsReadAsWindowsReadsIt) {
    Profile("; written by hand\r\n[ setup ]\r\n  KORVO PATH  =  '" + Recorder("emulator") + "'  \r\n"
            "Viewer path = x\r\n[Setup]\r\nKorvo path=ignored second section\r\n");
    Touch("Report");
    Touch("%Report");
    EXPECT_EQ(Korvlink({Docs("Report")}).exitCode, 0);
    EXPECT_EQ(Recorded().at(0), "emulator");
}

TEST_F(LauncherE2E, ADocumentHandedBackStartsNothing) {
    Commands(Recorder("emulator"), Recorder("viewer"));
    Touch("letter");
    const RunResult run = Korvlink({Docs("letter")}, "", {"KORVLINK_OPENED_DOCUMENT=" + Docs("letter")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.stderrText.find(Docs("letter")), std::string::npos);
    EXPECT_TRUE(NothingStarted());
}

TEST_F(LauncherE2E, SetupModeWithoutADisplaySaysSoAndSavesNothing) {
    const RunResult run = Korvlink({});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_EQ(run.stderrText, "Korvo Explorer extension: cannot be shown: no graphical display is available.\n");
    EXPECT_FALSE(std::filesystem::exists(home / "config/korvlink/korvlink.INI"));
}

}  // namespace
