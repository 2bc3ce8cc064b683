// Drives KORVLINK.EXE as the shell and a user would: starts it with exact command lines, reads
// and answers the message boxes it shows, and checks what it started, its exit code and that its
// profile file KORVLINK.INI in the Windows directory is left as it was. A recorder stands in for
// the emulator and the viewer. Every run is held in a job, so the driver knows when KORVLINK.EXE
// and everything it started have ended, and how many programs it started.
//
//   korvlink_wine_driver KORVLINK.EXE RECORDER.EXE

#include <set>

#include "windows_test_support.h"

namespace {

// Generous: it only keeps a broken run from hanging the test.
constexpr ULONGLONG kRunTimeoutMs = 60000;
// The id of a message box's text.
constexpr int kMessageTextId = 0xFFFF;

struct Box {
    std::string caption;
    std::string text;
};

struct RunResult {
    bool ended = false;  // KORVLINK.EXE and all it started ended in time
    DWORD exitCode = 0;
    std::vector<Box> boxes;
    ULONG started = 0;  // programs KORVLINK.EXE started
};

// The visible dialog windows (message boxes are dialogs) that belong to `processId`.
std::vector<HWND> DialogsOf(DWORD processId) {
    std::vector<HWND> dialogs;
    for (const HWND window : VisibleWindowsOf(processId)) {
        if (ClassName(window) == "#32770") dialogs.push_back(window);
    }
    return dialogs;
}

JOBOBJECT_BASIC_ACCOUNTING_INFORMATION Accounting(HANDLE job) {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info = {};
    QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &info, sizeof info, nullptr);
    return info;
}

// Runs `exe` with exactly `commandLine` until it and everything it started have ended. Each box
// it shows is read and answered with `answer` (IDOK presses OK; IDCANCEL cancels a dialog).
RunResult RunKorvlink(const std::string& exe, const std::string& commandLine, const std::string& directory,
                      int answer) {
    RunResult result;
    const HANDLE job = CreateJobObjectA(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    const std::optional<PROCESS_INFORMATION> process = StartSuspended(exe, commandLine, directory);
    if (!process) {
        CloseHandle(job);
        return result;
    }
    AssignProcessToJobObject(job, process->hProcess);
    ResumeThread(process->hThread);

    std::set<HWND> answered;
    const ULONGLONG deadline = GetTickCount64() + kRunTimeoutMs;
    while (GetTickCount64() < deadline) {
        if (Accounting(job).ActiveProcesses == 0) {
            result.ended = true;
            break;
        }
        for (const HWND box : DialogsOf(process->dwProcessId)) {
            if (!answered.insert(box).second) continue;
            char text[4096] = {};
            GetDlgItemTextA(box, kMessageTextId, text, sizeof text);
            result.boxes.push_back({WindowText(box), text});
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
        }
        Sleep(10);
    }
    result.started = Accounting(job).TotalProcesses - 1;
    GetExitCodeProcess(process->hProcess, &result.exitCode);
    CloseHandle(process->hThread);
    CloseHandle(process->hProcess);
    CloseHandle(job);  // ends whatever is left of a run that did not end
    return result;
}

// What one run of KORVLINK.EXE should do.
struct Case {
    std::string name;
    std::string commandLine;  // exactly as KORVLINK.EXE receives it
    std::string profile;      // KORVLINK.INI's text
    // Launcher mode: the texts of its message boxes, in order, each with the caption KORVLINK.
    std::vector<std::string> messages;
    // The started program's command line and argv; none when empty.
    std::string started;
    std::vector<std::string> startedArgv;
    std::string marker;           // KORVLINK_OPENED_DOCUMENT as the started program sees it
    std::string directory;        // KORVLINK.EXE's current directory, if not the driver's
    std::string handedBack;       // KORVLINK_OPENED_DOCUMENT for KORVLINK.EXE itself
    bool setupMode = false;       // no document: setup mode shows its own window
    bool messageContains = false; // the one message need only contain messages[0]
};

Case NewCase(const std::string& name, const std::string& commandLine, const std::string& profile) {
    Case c;
    c.name = name;
    c.commandLine = commandLine;
    c.profile = profile;
    return c;
}

class LauncherTests {
public:
    LauncherTests(std::string exe, std::string recorder)
        : m_exe(std::move(exe)), m_recorder(std::move(recorder)) {}

    int Run() {
        // The desktop starts with the first window of the session; start it from here, outside
        // the job of any run.
        DestroyWindow(CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr));
        if (!MakeDocuments()) {
            std::printf("FAIL: could not create the documents in %s\n", kDocs);
            return 1;
        }
        SetEnvironmentVariableA("RECORDER_OUT", m_recorded.c_str());
        for (const Case& c : Cases()) Check(c);
        std::printf("%s: %d failure(s)\n", m_exe.c_str(), m_checks.Failures());
        return m_checks.ExitCode();
    }

private:
    static constexpr const char* kDocs = "C:\\Korv Docs";
    static constexpr const char* kLowerDocs = "c:\\korv docs\\";

    bool MakeDocuments() const {
        CreateDirectoryA(kDocs, nullptr);
        CreateDirectoryA((std::string(kDocs) + "\\%Folder").c_str(), nullptr);
        bool made = true;
        for (const char* name : {"Report", "%Report", "Letter.txt", "%Lonely", "Folder"}) {
            made = WriteWholeFile(std::string(kDocs) + "\\" + name, "x") && made;
        }
        return made;
    }

    std::string Emulator() const { return "\"" + m_recorder + "\" emulator -keyboard Suomi"; }
    std::string Viewer() const { return "\"" + m_recorder + "\" viewer"; }
    std::string Profile(const std::string& emulator, const std::string& viewer) const {
        return "[Setup]\r\nKorvo path=" + emulator + "\r\nViewer path=" + viewer + "\r\n";
    }
    std::string Opening(const std::string& name) const {
        return "\"" + m_exe + "\" \"" + kDocs + "\\" + name + "\"";
    }

    // A case in which KORVLINK.EXE starts `command` (from the standard profile) on `path`.
    Case Starts(const std::string& name, const std::string& commandLine, const std::string& command,
                std::vector<std::string> arguments, const std::string& path) const {
        Case c = NewCase(name, commandLine, Profile(Emulator(), Viewer()));
        c.started = command + " \"" + path + "\"";
        c.startedArgv = {m_recorder};
        c.startedArgv.insert(c.startedArgv.end(), arguments.begin(), arguments.end());
        c.startedArgv.push_back(path);
        c.marker = path;
        return c;
    }
    Case StartsEmulator(const std::string& name, const std::string& commandLine, const std::string& path) const {
        return Starts(name, commandLine, Emulator(), {"emulator", "-keyboard", "Suomi"}, path);
    }
    Case StartsViewer(const std::string& name, const std::string& commandLine, const std::string& path) const {
        return Starts(name, commandLine, Viewer(), {"viewer"}, path);
    }
    Case Says(const std::string& name, const std::string& commandLine, const std::string& message,
              std::string profile = std::string()) const {
        Case c = NewCase(name, commandLine, profile.empty() ? Profile(Emulator(), Viewer()) : profile);
        c.messages = {message};
        return c;
    }
    Case Setup(const std::string& name, const std::string& commandLine) const {
        Case c = NewCase(name, commandLine, Profile(Emulator(), Viewer()));
        c.setupMode = true;
        return c;
    }

    std::vector<Case> Cases() const {
        const std::string report = std::string(kLowerDocs) + "report";
        const std::string quotedExe = "\"" + m_exe + "\"";
        std::vector<Case> cases = {
            StartsEmulator("both files: the emulator on the data file", Opening("Report"), report),
            StartsEmulator("the companion opened: the emulator on the data file", Opening("%Report"), report),
            StartsViewer("one file: the viewer on it", Opening("Letter.txt"), std::string(kLowerDocs) + "letter.txt"),
            StartsViewer("only the companion: the viewer on the companion", Opening("Lonely"),
                         std::string(kLowerDocs) + "%lonely"),
            StartsEmulator("a directory counts as present", Opening("Folder"), std::string(kLowerDocs) + "folder"),
            Says("neither file", Opening("Missing"), std::string("Cannot find file ") + kLowerDocs + "missing"),
            Says("emulator command empty", Opening("Report"), "Korvo path is not defined!", Profile("", Viewer())),
            Says("viewer command empty", Opening("Letter.txt"), "Viewer path is not defined!", Profile(Emulator(), "")),
            Says("no profile at all", Opening("Report"), "Korvo path is not defined!", "; nothing set\r\n"),
            Says("a program that does not exist", Opening("Report"),
                 "Could not start C:\\nosuch\\korvo.exe -x \"" + report + "\"",
                 Profile("C:\\nosuch\\korvo.exe -x", Viewer())),
            // How the tail is cut from the command line.
            Setup("program name only", "KORVLINK"),
            Setup("program name and blanks", "KORVLINK   "),
            Setup("quoted program without its closing quote", "\"" + m_exe + " " + kDocs + "\\Report"),
            StartsViewer("quoted program, then text without a blank", quotedExe + kDocs + "\\Letter.txt",
                         std::string(kLowerDocs) + "letter.txt"),
            Says("unquoted program path with a blank", "C:\\Korv Bin\\KORVLINK.EXE \"C:\\Korv Docs\\Report\"",
                 "Cannot find file bin\\korvlink.exe \"c:\\korv docs\\report"),
            Says("a tail of two double quotes", "KORVLINK \"\"", "Cannot find file "),
        };

        // A relative document is found from the current directory; the marker names its full path.
        Case relative = StartsEmulator("a relative document", quotedExe + " \"Report\"", "report");
        relative.directory = kDocs;
        relative.marker = std::string(kDocs) + "\\report";
        cases.push_back(relative);

        // The document the started program hands back, in any letter case, is not opened again.
        Case handedBack = Says("a document handed back", Opening("Report"), report);
        handedBack.handedBack = "C:\\KORV DOCS\\REPORT";
        handedBack.messageContains = true;
        cases.push_back(handedBack);
        return cases;
    }

    void Check(const Case& c) {
        m_checks.Context(c.name);
        DeleteFileA(m_recorded.c_str());
        WriteWholeFile(m_profile, c.profile);
        SetEnvironmentVariableA("KORVLINK_OPENED_DOCUMENT", c.handedBack.empty() ? nullptr : c.handedBack.c_str());
        const RunResult run = RunKorvlink(m_exe, c.commandLine, c.directory, c.setupMode ? IDCANCEL : IDOK);
        SetEnvironmentVariableA("KORVLINK_OPENED_DOCUMENT", nullptr);

        m_checks.True("KORVLINK.EXE and what it started ended", run.ended);
        std::vector<std::string> captions, texts;
        for (const Box& box : run.boxes) {
            captions.push_back(box.caption);
            texts.push_back(box.text);
        }
        if (c.setupMode) {
            // Setup mode shows its own window, and no launcher message.
            m_checks.True("setup mode shows a window", !run.boxes.empty());
            for (const std::string& text : texts) {
                for (const char* launcherMessage : {"Cannot find file", "is not defined!", "Could not start"}) {
                    m_checks.True("no launcher message in setup mode: " + Shown(text),
                                  text.find(launcherMessage) == std::string::npos);
                }
            }
        } else {
            m_checks.Equal("exit code", std::to_string(run.exitCode), std::string("0"));
            m_checks.Equal("captions", captions, std::vector<std::string>(c.messages.size(), "KORVLINK"));
            if (c.messageContains && texts.size() == 1) {
                m_checks.True("message " + Shown(texts[0]) + " names " + Shown(c.messages[0]),
                              texts[0].find(c.messages[0]) != std::string::npos);
            } else {
                m_checks.Equal("messages", texts, c.messages);
            }
        }

        m_checks.Equal("programs started", std::to_string(run.started), std::string(c.started.empty() ? "0" : "1"));
        const std::optional<Recorded> recorded = ReadRecorded(m_recorded);
        if (!c.started.empty()) m_checks.True("the started program recorded what it got", recorded.has_value());
        if (!c.started.empty() && recorded) {
            m_checks.Equal("started command line", recorded->commandLine, c.started);
            m_checks.Equal("started argv", recorded->argv, c.startedArgv);
            m_checks.Equal("marker", recorded->marker.value_or("(unset)"), c.marker);
        }
        m_checks.Equal("KORVLINK.INI afterwards", ReadWholeFile(m_profile).value_or("(missing)"), c.profile);
    }

    std::string m_exe;
    std::string m_recorder;
    std::string m_profile = WindowsDirectory() + "\\KORVLINK.INI";
    std::string m_recorded = "C:\\korvlink-recorded.txt";
    Checks m_checks;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::printf("usage: korvlink_wine_driver KORVLINK.EXE RECORDER.EXE\n");
        return 2;
    }
    return LauncherTests(argv[1], argv[2]).Run();
}
