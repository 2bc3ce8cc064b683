// korvlink registered with the desktop, then started by real openers on real files. HOME and
// every XDG_* directory lie in a temporary tree, so the openers see our registration, the
// stand-in applications of the tree (a previous default, a text editor) and the system's own
// applications in /usr/share, and nothing of the user who runs the tests.
//
// What works without a display (GLib 2.74, xdg-utils 1.1.3):
//  - `gio open` on a local file needs neither a display nor a session bus: it reads the default
//    from mimeapps.list and starts the entry's Exec itself. GIO_USE_VFS=local: a local path
//    needs no more, and the test does not depend on whether a virtual file system daemon (which
//    would want a session bus) is installed.
//  - `xdg-open` goes the way of the desktop it detects. Under GNOME (XDG_CURRENT_DESKTOP) it
//    hands the file to `gio open`. Under no desktop it knows, it reads the entries itself, but
//    only when it believes a display is there: without DISPLAY it tries mailcap and text web
//    browsers instead. For that way DISPLAY names a display that nobody serves; xdg-open only
//    tests that the variable is set, and nothing on the way opens it.
// korvlink itself runs with no display: the recorder it starts, as the emulator, writes down
// the arguments it received.

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include <gtest/gtest.h>

#include "../support/temp_dir.h"
#include "../support/system_at.h"
#include "config/shell_registration.h"
#include "platform/common/desktop_entry.h"
#include "platform/common/mime_apps_text.h"
#include "platform/posix/posix_system.h"
#include "platform/posix/profile_file.h"

namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;


struct Opener {
    const char* name;
    Strings command;
    Strings environment;
    bool followsTheRulesOnly;  // reads quoted Exec lines, but not as xdg-open does without a desktop
};

const Opener kOpeners[] = {
    {"gio open", {"gio", "open"}, {}, true},
    {"xdg-open under GNOME", {"xdg-open"}, {"XDG_CURRENT_DESKTOP=GNOME"}, true},
    {"xdg-open under no desktop it knows", {"xdg-open"}, {"XDG_CURRENT_DESKTOP=X-Generic", "DISPLAY=:97"}, false},
};

// A list as a user's desktop leaves it: comments, groups of its own, a previous default.
const std::string kExistingList =
    "# set by hand\n"
    "[Default Applications]\n"
    "application/octet-stream=previous.desktop;\n"
    "text/plain=editor.desktop;\n"
    "\n"
    "[Added Associations]\n"
    "application/octet-stream=previous.desktop;\n"
    "image/png=editor.desktop;\n"
    "\n"
    "[X-Someone Else]\n"
    "key=value\n";

struct ProcessResult {
    int exitCode = -1;
    std::string output;
};

std::string ReadAll(const std::string& path) { return ReadWholeFile(path).value_or(""); }

class RegistrationE2E : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* directory : {"home", "config/korvlink", "cache", "share/applications", "docs"}) {
            fs::create_directories(root / directory);
        }
        mkdir((root / "run").c_str(), 0700);
        UseDataHome(root / "data");
        WriteFile(root / "config/korvlink/korvlink.INI",
                  "[Setup]\nKorvo path=\"" RECORDER_BINARY "\" emulator\n"
                  "Viewer path=\"" RECORDER_BINARY "\" viewer\n");
        // Unquoted: xdg-open's own reader takes the first blank-separated word as the program.
        for (const std::string name : {"previous", "editor"}) {
            WriteFile(root / ("share/applications/" + name + ".desktop"),
                      "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=" RECORDER_BINARY " " +
                          name + " %f\nMimeType=" + (name == "editor" ? "text/plain;" : "application/octet-stream;") +
                          "\n");
        }
        WriteFile(MimeAppsPath(), kExistingList);
    }

    // The registration reads these from this process's environment, the openers from theirs.
    void UseDataHome(const std::string& path) {
        dataHome = path;
        setenv("HOME", (root / "home").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
        setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
    }

    Strings Environment(const Strings& extra) const {
        Strings environment = {
            "HOME=" + (root / "home"),         "PATH=/usr/bin:/bin",
            "XDG_CONFIG_HOME=" + (root / "config"), "XDG_DATA_HOME=" + dataHome,
            "XDG_DATA_DIRS=" + (root / "share") + ":/usr/share", "XDG_CACHE_HOME=" + (root / "cache"),
            "XDG_RUNTIME_DIR=" + (root / "run"), "GIO_USE_VFS=local",
            "RECORDER_OUT=" + Recorded(),
        };
        environment.insert(environment.end(), extra.begin(), extra.end());
        return environment;
    }

    // Runs `command` to its end, standard output and error together.
    ProcessResult Execute(Strings command, const Strings& extraEnvironment = {}) const {
        Strings environment = Environment(extraEnvironment);
        const std::string outputPath = root / "output";
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
        std::vector<char*> argv, envp;
        for (auto& a : command) argv.push_back(a.data());
        for (auto& e : environment) envp.push_back(e.data());
        argv.push_back(nullptr);
        envp.push_back(nullptr);
        ProcessResult run;
        pid_t pid = 0;
        if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0) {
            int status = 0;
            waitpid(pid, &status, 0);
            run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        posix_spawn_file_actions_destroy(&actions);
        run.output = ReadAll(outputPath);
        return run;
    }

    void Register(const std::string& executable) const {
        ASSERT_TRUE(SystemAt(executable).WriteShellOpenCommand(kUnknownOpenCommandKey, ShellOpenCommand(executable)));
        const ProcessResult validation = Execute({"desktop-file-validate", EntryPath()});
        EXPECT_EQ(validation.exitCode, 0);
        EXPECT_EQ(validation.output, "") << ReadAll(EntryPath());
    }

    // A copy of korvlink in `folder` of the tree (a link would not do: the registration names
    // the file the link leads to).
    std::string CopyOfKorvlink(const std::string& folder) const {
        const std::string copy = root / (folder + "/korvlink");
        fs::create_directories(fs::path(copy).parent_path());
        fs::copy_file(KORVLINK_BINARY, copy);
        fs::permissions(copy, fs::perms::owner_all);
        return copy;
    }

    // A document and its companion, so that korvlink starts the emulator on it.
    std::string Document(const std::string& name, const std::string& bytes) const {
        WriteFile(root / ("docs/" + name), bytes);
        WriteFile(root / ("docs/%" + name), bytes);
        return root / ("docs/" + name);
    }
    static std::string BinaryBytes() { return std::string("\x00\x01\xff", 3); }

    // Opens `document` with `opener` and returns what the started recorder received: its
    // arguments, then "marker=..." (korvlink does not wait for it, so the file is polled for).
    Strings OpenWith(const Opener& opener, const std::string& document) const {
        fs::remove(Recorded());
        Strings command = opener.command;
        command.push_back(document);
        const ProcessResult run = Execute(command, opener.environment);
        for (int i = 0; i < 500 && !fs::exists(Recorded()); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        const std::string bytes = ReadAll(Recorded());
        if (bytes.empty()) return {"nothing started", "exit " + std::to_string(run.exitCode), run.output};
        Strings parts;
        std::size_t start = 0;
        for (std::size_t nul; (nul = bytes.find('\0', start)) != std::string::npos; start = nul + 1) {
            parts.push_back(bytes.substr(start, nul - start));
        }
        parts.push_back(bytes.substr(start));
        return parts;
    }

    // The default application for binary files, as GIO and as xdg-mime read the lists.
    std::string GioDefault() const {
        const std::string output = Execute({"gio", "mime", kUnknownContentType}).output;
        const std::string line = output.substr(0, output.find('\n'));
        return line.substr(line.rfind(": ") + 2);
    }
    std::string XdgMimeDefault() const {
        std::string output = Execute({"xdg-mime", "query", "default", kUnknownContentType}).output;
        while (!output.empty() && output.back() == '\n') output.pop_back();
        return output;
    }

    static void WriteFile(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::string Recorded() const { return root / "recorded"; }
    std::string EntryPath() const { return dataHome + "/applications/" + kDesktopEntryName; }
    std::string MimeAppsPath() const { return root / "config/mimeapps.list"; }

    TempDir root;
    std::string dataHome;
};

// Every line of a list but those of the type korvlink registers for.
std::string OtherLines(const std::string& list) {
    std::string others;
    std::istringstream lines(list);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(std::string(kUnknownContentType) + "=", 0) != 0) others += line + "\n";
    }
    return others;
}

TEST_F(RegistrationE2E, BinaryFilesReachKorvlinkFromEveryOpenerWhereverItIsInstalled) {
    const std::string awkwardFolder = CopyOfKorvlink("opt/korv link 100% \"q\" $x `id` 'a'\\b");
    for (const std::string& executable : {std::string(KORVLINK_BINARY), awkwardFolder}) {
        Register(executable);
        for (const Opener& opener : kOpeners) {
            for (const std::string name : {"image", "with  blanks and \"quotes\" 'too'"}) {
                SCOPED_TRACE(executable + " | " + opener.name + " | " + name);
                const std::string document = Document(name, BinaryBytes());
                EXPECT_EQ(OpenWith(opener, document), (Strings{"emulator", document, "marker=" + document}));
            }
        }
    }
}

TEST_F(RegistrationE2E, WhereOnlyQuotingHelpsOpenersThatFollowTheRulesStillStartKorvlink) {
    // With blanks in both the data folder and korvlink's own, the entry names korvlink in quotes.
    // xdg-open under no known desktop is left out: it splits its search path at blanks and
    // never finds the entry of any program the user installed there.
    UseDataHome(root / "my data");
    const std::string executable = CopyOfKorvlink("opt/korv link \"q\" $x \\b");
    Register(executable);
    EXPECT_NE(ReadAll(EntryPath()).find("Exec=\""), std::string::npos) << ReadAll(EntryPath());
    for (const Opener& opener : kOpeners) {
        if (!opener.followsTheRulesOnly) continue;
        SCOPED_TRACE(opener.name);
        const std::string document = Document("with blanks \"q\"", BinaryBytes());
        EXPECT_EQ(OpenWith(opener, document), (Strings{"emulator", document, "marker=" + document}));
    }
}

TEST_F(RegistrationE2E, TextFilesStillGoToTheTextEditor) {
    Register(KORVLINK_BINARY);
    const std::string letter = Document("letter", "Dear Sir,\nthis is text.\n");
    for (const Opener& opener : kOpeners) {
        SCOPED_TRACE(opener.name);
        EXPECT_EQ(OpenWith(opener, letter).at(0), "editor");
    }
}

TEST_F(RegistrationE2E, AnExistingListKeepsItsLinesAndGetsItsPreviousDefaultBack) {
    ASSERT_EQ(GioDefault(), "previous.desktop");

    Register(KORVLINK_BINARY);
    Register(KORVLINK_BINARY);
    const std::string registered = ReadAll(MimeAppsPath());
    EXPECT_EQ(OtherLines(registered), OtherLines(kExistingList));
    EXPECT_NE(registered.find("application/octet-stream=korvlink-open.desktop;previous.desktop;\n"),
              std::string::npos) << registered;
    EXPECT_EQ(GioDefault(), "korvlink-open.desktop");
    EXPECT_EQ(XdgMimeDefault(), "korvlink-open.desktop");

    ASSERT_TRUE(UpdateFileAtomically(MimeAppsPath(), [](std::string_view list) {
        return WithoutDefaultApplication(list, kUnknownContentType, kDesktopEntryName);
    }));
    EXPECT_EQ(ReadAll(MimeAppsPath()), kExistingList);
    EXPECT_EQ(GioDefault(), "previous.desktop");
    EXPECT_EQ(XdgMimeDefault(), "previous.desktop");
    const std::string document = Document("image", BinaryBytes());
    EXPECT_EQ(OpenWith(kOpeners[0], document).at(0), "previous");
}

}  // namespace
