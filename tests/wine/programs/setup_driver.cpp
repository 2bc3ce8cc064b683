// Drives KORVLINK.EXE's setup mode as a user would: starts it without a document, reads and sets
// its fields by control id, presses its buttons, answers its boxes, types keys, opens the About
// box from the window menu, and checks KORVLINK.INI in the Windows directory, the registry value
// Install writes, the help window and the file-open dialog. Every run is held in a job, so that
// nothing outlives a failed case. With a second argument it saves pictures of the setup dialog,
// the About box and the help window there.
//
//   korvlink_setup_driver KORVLINK.EXE [SCREENSHOT_DIR]

#include <algorithm>
#include <cstdlib>
#include <functional>

#include "platform/common/help_file.h"
#include "platform/win_constants.h"
#include "ui/resource.h"
#include "ui/setup_rules.h"
#include "screenshot.h"
#include "windows_test_support.h"

namespace {

// Generous: only keeps a broken case from hanging the test.
constexpr ULONGLONG kWaitMs = 20000;
constexpr char kSetupCaption[] = "Korvo Explorer extension";
constexpr char kAboutCaption[] = "About Korvo Explorer extension";
constexpr char kDialogClass[] = "#32770";
constexpr char kCommandKey[] = "Unknown\\shell\\open\\command";
constexpr char kBinWithBlank[] = "C:\\Korv Bin";
constexpr unsigned long kSetupTopic = 131174;
constexpr unsigned long kAboutTopic = 131172;
// The id of a message box's text.
constexpr int kMessageTextId = 0xFFFF;
// The file name field of the Explorer-style file dialog: a combo box, or an edit in older ones.
constexpr int kFileNameCombo = 0x47C;
constexpr int kFileNameEdit = 0x480;

bool WaitFor(const std::function<bool()>& condition, ULONGLONG waitMs = kWaitMs) {
    const ULONGLONG deadline = GetTickCount64() + waitMs;
    while (!condition()) {
        if (GetTickCount64() >= deadline) return false;
        Sleep(10);
    }
    return true;
}

std::string ItemText(HWND dialog, int id) { return ControlText(GetDlgItem(dialog, id)); }

// As typing a whole new text would leave it.
void Type(HWND dialog, int id, const std::string& text) {
    SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// Posted, as a click is: the handler may run a modal loop of its own.
void Press(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// The list's entries. Asked for as UTF-16: Wine hands another process the 8-bit entries as UTF-16
// all the same.
std::vector<std::string> ListItems(HWND dialog, int id) {
    const HWND combo = GetDlgItem(dialog, id);
    std::vector<std::string> items;
    const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring wide(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
        wide.resize(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(wide.data()))));
        std::string item(wide.size() * 2 + 1, '\0');
        item.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                                                 item.data(), static_cast<int>(item.size()), nullptr, nullptr)));
        items.push_back(item);
    }
    return items;
}

// Real keys, as the keyboard sends them, to the window in front: `key` with `modifier` held.
void PressKey(WORD key, WORD modifier = 0) {
    std::vector<INPUT> inputs;
    const auto add = [&](WORD virtualKey, DWORD flags) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = virtualKey;
        input.ki.dwFlags = flags;
        inputs.push_back(input);
    };
    if (modifier != 0) add(modifier, 0);
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    if (modifier != 0) add(modifier, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Clicks the window near one of its lower corners, where both dialogs have no control, as a user
// brings a window to the front; the corner another window does not cover. (Wine:
// SetForegroundWindow from another process activates the window without drawing its caption
// as active.)
bool BringToFront(HWND window) {
    // Wine's desktop may still be busy with the window before (a minimising help window, a
    // closing box): find a corner of ours to click, and click again if the first is lost.
    for (int attempt = 0; attempt < 3; ++attempt) {
        std::optional<POINT> spot;
        WaitFor([&] {
            RECT rect = {};
            GetWindowRect(window, &rect);
            for (const POINT corner : {POINT{rect.right - 12, rect.bottom - 12}, POINT{rect.left + 8, rect.bottom - 12}}) {
                if (!spot && GetAncestor(WindowFromPoint(corner), GA_ROOT) == window) spot = corner;
            }
            return spot.has_value();
        });
        if (!spot) return false;
        SetCursorPos(spot->x, spot->y);
        INPUT click[2] = {};
        click[0].type = click[1].type = INPUT_MOUSE;
        click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, click, sizeof(INPUT));
        if (WaitFor([&] { return GetForegroundWindow() == window; }, kWaitMs / 4)) {
            // Answered only once the window's thread has handled the click that came before it.
            SendMessageA(window, WM_NULL, 0, 0);
            return true;
        }
    }
    return false;
}

RECT WorkArea() {
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

RECT WindowRect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

bool CentredOver(const RECT& inner, const RECT& outer) {
    // Centres are compared doubled, to the pixel either way.
    const auto same = [](long a, long b) { return std::abs(a - b) <= 2; };
    return same(inner.left + inner.right, outer.left + outer.right) && same(inner.top + inner.bottom, outer.top + outer.bottom);
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right && inner.bottom <= outer.bottom;
}

std::optional<std::string> RegisteredCommand() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, kCommandKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return std::nullopt;
    DWORD type = 0, size = 0;
    std::optional<std::string> value;
    if (RegQueryValueExA(key, nullptr, nullptr, &type, nullptr, &size) == ERROR_SUCCESS && type == REG_SZ) {
        std::string text(size, '\0');
        if (RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size) == ERROR_SUCCESS) {
            text.resize(text.find('\0') == std::string::npos ? size : text.find('\0'));
            value = text;
        }
    }
    RegCloseKey(key);
    return value;
}

std::optional<FILETIME> CommandKeyWriteTime() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, kCommandKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return std::nullopt;
    FILETIME written = {};
    const LONG result = RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                         nullptr, nullptr, &written);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) return std::nullopt;
    return written;
}

std::optional<FILETIME> FileWriteTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    return data.ftLastWriteTime;
}

// One KORVLINK.EXE in setup mode, held in a job that ends it, and all it started, when the run
// is over.
class SetupRun {
public:
    explicit SetupRun(const std::string& exe) : m_job(CreateJobObjectA(nullptr, nullptr)) {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(m_job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
        m_process = StartSuspended(exe, "\"" + exe + "\"");
        if (!m_process) return;
        AssignProcessToJobObject(m_job, m_process->hProcess);
        ResumeThread(m_process->hThread);
    }
    ~SetupRun() {
        if (m_process) {
            CloseHandle(m_process->hThread);
            CloseHandle(m_process->hProcess);
        }
        CloseHandle(m_job);
    }
    SetupRun(const SetupRun&) = delete;
    SetupRun& operator=(const SetupRun&) = delete;

    // The program's visible top-level window of that class and caption, now.
    HWND Window(const std::string& className, const std::string& caption) const {
        if (!m_process) return nullptr;
        for (const HWND window : VisibleWindowsOf(m_process->dwProcessId)) {
            if (ClassName(window) == className && WindowText(window) == caption) return window;
        }
        return nullptr;
    }
    // The same, once it shows; null if it does not.
    HWND WaitForWindow(const std::string& className, const std::string& caption) const {
        HWND found = nullptr;
        WaitFor([&] { return (found = Window(className, caption)) != nullptr; });
        return found;
    }
    // A visible top-level window of the program other than its dialogs: the help window.
    HWND HelpWindow() const {
        if (!m_process) return nullptr;
        for (const HWND window : VisibleWindowsOf(m_process->dwProcessId)) {
            if (ClassName(window) != kDialogClass) return window;
        }
        return nullptr;
    }
    // A dialog of the program owned by `owner`: a message box or the file dialog.
    HWND WaitForDialogOwnedBy(HWND owner) const {
        HWND found = nullptr;
        WaitFor([&] {
            for (const HWND window : VisibleWindowsOf(m_process ? m_process->dwProcessId : 0)) {
                if (ClassName(window) == kDialogClass && GetWindow(window, GW_OWNER) == owner) found = window;
            }
            return found != nullptr;
        });
        return found;
    }
    // Whether the program ended with exit code 0, and nothing it started is left.
    bool EndedWell() const {
        if (!m_process) return false;
        const bool ended = WaitFor([&] {
            JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info = {};
            QueryInformationJobObject(m_job, JobObjectBasicAccountingInformation, &info, sizeof info, nullptr);
            return info.ActiveProcesses == 0;
        });
        DWORD exitCode = 1;
        GetExitCodeProcess(m_process->hProcess, &exitCode);
        return ended && exitCode == 0;
    }

private:
    HANDLE m_job;
    std::optional<PROCESS_INFORMATION> m_process;
};

class SetupTests {
public:
    SetupTests(std::string exe, std::string screenshots) : m_exe(std::move(exe)), m_screenshots(std::move(screenshots)) {
        m_helpFile = m_exe.substr(0, m_exe.rfind('.')) + ".HLP";
    }

    int Run() {
        // The desktop starts with the first window of the session; start it from here, outside
        // the job of any run.
        DestroyWindow(CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr));
        CreateDirectoryA(kBinWithBlank, nullptr);
        OpensWithTheDefaultsAndOkSavesThem();
        OkSavesWhatTheFileDialogAndTheUserPutInTheFields();
        CancelSavesNothing();
        InstallThenOkRegistersAfterSaving();
        InstallThenCloseWritesNothing();
        ViewerFieldShowsTheFirstListEntryThatBeginsWithTheStoredCommand();
        AboutBoxAndHelp();
        std::printf("setup mode: %d failure(s)\n", m_checks.Failures());
        return m_checks.ExitCode();
    }

private:
    std::string Profile(const std::string& emulator, const std::string& viewer) const {
        return "[Setup]\r\nKorvo path=" + emulator + "\r\nViewer path=" + viewer + "\r\n";
    }
    void Begin(const std::string& name, const std::optional<std::string>& profile) {
        m_checks.Context(name);
        if (profile) {
            WriteWholeFile(m_profile, *profile);
        } else {
            DeleteFileA(m_profile.c_str());
        }
        RegDeleteKeyA(HKEY_CLASSES_ROOT, kCommandKey);
    }
    HWND SetupDialog(const SetupRun& run) {
        const HWND dialog = run.WaitForWindow(kDialogClass, kSetupCaption);
        m_checks.True("the setup dialog shows", dialog != nullptr);
        return dialog;
    }
    void CheckNothingWritten(const std::optional<std::string>& profile) {
        m_checks.Equal("KORVLINK.INI afterwards", ReadWholeFile(m_profile).value_or("(none)"), profile.value_or("(none)"));
        m_checks.Equal("registry afterwards", RegisteredCommand().value_or("(none)"), std::string("(none)"));
    }
    // The help window shows `topic` of the help file beside KORVLINK.EXE, line breaks as CR LF.
    void CheckHelpShows(const SetupRun& run, unsigned long topic) {
        const std::optional<HelpTopic> expected = FindHelpTopic(ReadWholeFile(m_helpFile).value_or(""), topic);
        if (!expected) {
            m_checks.Fail("the help file has no topic " + std::to_string(topic));
            return;
        }
        HWND help = nullptr;
        const bool shown = WaitFor([&] { return (help = run.HelpWindow()) != nullptr && WindowText(help) == expected->title; });
        m_checks.True("the help window shows topic " + std::to_string(topic) + ", titled " + Shown(expected->title) +
                          (help != nullptr ? ": " + Shown(WindowText(help)) : ": none"),
                      shown);
        if (!shown) return;
        std::string text;
        for (const char c : expected->text) text += c == '\n' ? std::string("\r\n") : std::string(1, c);
        m_checks.Equal("help text", ControlText(FindWindowExA(help, nullptr, "EDIT", nullptr)), text);
    }

    void OpensWithTheDefaultsAndOkSavesThem() {
        Begin("no profile: the defaults, and OK saves them", std::nullopt);
        SetupRun run(m_exe);
        const HWND dialog = SetupDialog(run);
        if (dialog == nullptr) return;
        // The default emulator command ends in a blank, which a profile read drops.
        m_checks.Equal("emulator field", ItemText(dialog, IDC_EMULATOR_PATH),
                       std::string("x:\\emulator\\mac\\korvo\\korvo.exe -keyboard Suomi"));
        m_checks.Equal("viewer field", ItemText(dialog, IDC_VIEWER_PATH), std::string("Wordpad.exe"));
        std::vector<std::string> presets = ListItems(dialog, IDC_VIEWER_PATH);
        std::sort(presets.begin(), presets.end());
        m_checks.Equal("viewer list", presets, std::vector<std::string>{"Notepad.exe", "Wordpad.exe", "Write.exe"});
        m_checks.True("the Help button shows", IsWindowVisible(GetDlgItem(dialog, ID_HELP)) != FALSE);
        m_checks.True("centred in the work area", CentredOver(WindowRect(dialog), WorkArea()));
        Press(dialog, IDOK);
        m_checks.True("KORVLINK.EXE ended with 0", run.EndedWell());
        m_checks.Equal("KORVLINK.INI", ReadWholeFile(m_profile).value_or("(none)"),
                       Profile("x:\\emulator\\mac\\korvo\\korvo.exe -keyboard Suomi", "Wordpad.exe"));
        m_checks.Equal("registry", RegisteredCommand().value_or("(none)"), std::string("(none)"));
    }

    // Picks `typed` with the emulator's "..." button: the file dialog, owned by the setup dialog
    // and keeping it disabled, gets the name typed into its file name field, then Open.
    bool BrowseEmulator(const SetupRun& run, HWND dialog, const std::string& typed) {
        Press(dialog, IDC_BROWSE_EMULATOR);
        const HWND files = run.WaitForDialogOwnedBy(dialog);
        if (!m_checks.True("the file dialog shows, owned by the setup dialog", files != nullptr)) return false;
        m_checks.True("the setup dialog is disabled meanwhile", IsWindowEnabled(dialog) == FALSE);
        const HWND nameField = GetDlgItem(files, kFileNameCombo) != nullptr ? GetDlgItem(files, kFileNameCombo)
                                                                             : GetDlgItem(files, kFileNameEdit);
        SendMessageA(nameField, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()));
        Press(files, IDOK);
        return m_checks.True("the file dialog closes and the setup dialog is enabled again",
                             WaitFor([&] { return !IsWindow(files) && IsWindowEnabled(dialog) != FALSE; }));
    }

    void OkSavesWhatTheFileDialogAndTheUserPutInTheFields() {
        Begin("the file dialog picks the emulator, the viewer is typed, OK saves both",
              Profile("C:\\emu\\korvo.exe -keyboard Suomi", "Wordpad.exe"));
        SetupRun run(m_exe);
        const HWND dialog = SetupDialog(run);
        if (dialog == nullptr) return;
        // A folder with a blank, and a name without an extension: the default one is added (Wine
        // adds it only when that file exists).
        const std::string program = std::string(kBinWithBlank) + "\\korvo.exe";
        WriteWholeFile(program, "x");
        if (!BrowseEmulator(run, dialog, std::string(kBinWithBlank) + "\\korvo")) return;
        m_checks.Equal("the chosen program, quoted, keeps the parameters", ItemText(dialog, IDC_EMULATOR_PATH),
                       "\"" + program + "\" -keyboard Suomi");

        // A path longer than MAX_PATH comes back whole.
        std::string folder = std::string(kBinWithBlank) + "\\" + std::string(120, 'd');
        CreateDirectoryA(folder.c_str(), nullptr);
        folder += "\\" + std::string(120, 'e');
        CreateDirectoryA(folder.c_str(), nullptr);
        const std::string longProgram = folder + "\\korvo.exe";
        if (!BrowseEmulator(run, dialog, longProgram)) return;
        const std::string emulator = "\"" + longProgram + "\" -keyboard Suomi";
        m_checks.Equal("a long path", ItemText(dialog, IDC_EMULATOR_PATH), emulator);

        // Typed text that begins a list entry is saved as typed.
        Type(dialog, IDC_VIEWER_PATH, "Note");
        Press(dialog, IDOK);
        m_checks.True("KORVLINK.EXE ended with 0", run.EndedWell());
        m_checks.Equal("KORVLINK.INI", ReadWholeFile(m_profile).value_or("(none)"), Profile(emulator, "Note"));
    }

    void CancelSavesNothing() {
        const std::string profile = "; kept as it is\r\n" + Profile("emu -a", "Notepad.exe");
        Begin("edits, then Cancel: nothing saved", profile);
        SetupRun run(m_exe);
        const HWND dialog = SetupDialog(run);
        if (dialog == nullptr) return;
        Type(dialog, IDC_EMULATOR_PATH, "changed");
        Type(dialog, IDC_VIEWER_PATH, "changed.exe");
        Press(dialog, IDCANCEL);
        m_checks.True("KORVLINK.EXE ended with 0", run.EndedWell());
        CheckNothingWritten(profile);
    }

    // Presses Install and answers its information box; false if it did not show as it should.
    bool InstallShowsItsInformation(const SetupRun& run, HWND dialog) {
        Press(dialog, IDC_INSTALL);
        const HWND box = run.WaitForDialogOwnedBy(dialog);
        m_checks.True("Install shows a box owned by the setup dialog", box != nullptr);
        if (box == nullptr) return false;
        m_checks.Equal("its caption", WindowText(box), std::string("KORVLINK"));
        m_checks.Equal("its text", ItemText(box, kMessageTextId), std::string(kInstallMessage));
        m_checks.True("the setup dialog is disabled meanwhile", IsWindowEnabled(dialog) == FALSE);
        Press(box, IDOK);
        return m_checks.True("the box closes and the setup dialog is enabled again",
                             WaitFor([&] { return !IsWindow(box) && IsWindowEnabled(dialog) != FALSE; }));
    }

    void InstallThenOkRegistersAfterSaving() {
        Begin("Install, then OK, from a folder with a blank", std::nullopt);
        // The registration names the running executable, quoted as its path holds a blank.
        const std::string exe = std::string(kBinWithBlank) + "\\KORVLINK.EXE";
        m_checks.True("copied KORVLINK.EXE", CopyFileA(m_exe.c_str(), exe.c_str(), FALSE) != FALSE);
        SetupRun run(exe);
        const HWND dialog = SetupDialog(run);
        if (dialog == nullptr) return;
        // No help file lies beside this copy.
        Press(dialog, ID_HELP);
        const HWND failure = run.WaitForDialogOwnedBy(dialog);
        if (m_checks.True("a missing help file is reported", failure != nullptr)) {
            m_checks.Equal("the report", WindowText(failure) + ": " + ItemText(failure, kMessageTextId),
                           std::string("KORVLINK: Failed to launch help."));
            Press(failure, IDOK);
            WaitFor([&] { return !IsWindow(failure); });
        }
        if (!InstallShowsItsInformation(run, dialog)) return;
        Press(dialog, IDOK);
        m_checks.True("KORVLINK.EXE ended with 0", run.EndedWell());
        m_checks.Equal("KORVLINK.INI", ReadWholeFile(m_profile).value_or("(none)"),
                       Profile("x:\\emulator\\mac\\korvo\\korvo.exe -keyboard Suomi", "Wordpad.exe"));
        m_checks.Equal("registry", RegisteredCommand().value_or("(none)"), "\"" + exe + "\" \"%1\"");
        const std::optional<FILETIME> registered = CommandKeyWriteTime();
        const std::optional<FILETIME> saved = FileWriteTime(m_profile);
        m_checks.True("the registry is written after the profile",
                      registered && saved && CompareFileTime(&*registered, &*saved) >= 0);
    }

    void InstallThenCloseWritesNothing() {
        Begin("Install, then the close box: nothing written", std::nullopt);
        SetupRun run(m_exe);
        const HWND dialog = SetupDialog(run);
        if (dialog == nullptr || !InstallShowsItsInformation(run, dialog)) return;
        PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        m_checks.True("KORVLINK.EXE ended with 0", run.EndedWell());
        CheckNothingWritten(std::nullopt);
    }

    void ViewerFieldShowsTheFirstListEntryThatBeginsWithTheStoredCommand() {
        struct Row {
            std::string stored;
            std::string field;
            std::string added;  // the entry added to the presets, if any
        };
        const Row rows[] = {
            {"Wordpad.exe", "Wordpad.exe", ""},
            {"notepad.exe", "Notepad.exe", ""},
            {"Word", "Wordpad.exe", ""},
            {"Notepad.exe /p", "Notepad.exe /p", "Notepad.exe /p"},
            {"c:\\tools\\view.exe", "c:\\tools\\view.exe", "c:\\tools\\view.exe"},
        };
        for (const Row& row : rows) {
            const std::string profile = "[Setup]\r\nViewer path=" + row.stored + "\r\n";
            Begin("viewer " + Shown(row.stored), profile);
            SetupRun run(m_exe);
            const HWND dialog = SetupDialog(run);
            if (dialog == nullptr) continue;
            m_checks.Equal("viewer field", ItemText(dialog, IDC_VIEWER_PATH), row.field);
            std::vector<std::string> expected = {"Notepad.exe", "Wordpad.exe", "Write.exe"};
            if (!row.added.empty()) expected.push_back(row.added);
            std::vector<std::string> items = ListItems(dialog, IDC_VIEWER_PATH);
            std::sort(expected.begin(), expected.end());
            std::sort(items.begin(), items.end());
            m_checks.Equal("viewer list", items, expected);
            Press(dialog, IDCANCEL);
            m_checks.True("KORVLINK.EXE ended with 0", run.EndedWell());
            CheckNothingWritten(profile);
        }
    }

    void Screenshot(HWND window, const char* name) {
        if (m_screenshots.empty()) return;
        const std::string path = m_screenshots + "\\" + name;
        if (!screenshot::Save(window, path)) m_checks.Fail("could not save " + path);
    }

    // F1 with a modifier held does nothing: a key typed after it reaches the emulator field
    // (keys are handled in order) while no help window has opened.
    void ModifiedF1DoesNothing(const SetupRun& run, HWND dialog) {
        Type(dialog, IDC_EMULATOR_PATH, "");
        for (const WORD modifier : {VK_SHIFT, VK_CONTROL, VK_MENU}) PressKey(VK_F1, modifier);
        PressKey('Q');
        m_checks.True("a key after Shift/Ctrl/Alt+F1 reaches the field",
                      WaitFor([&] { return ItemText(dialog, IDC_EMULATOR_PATH) == "q"; }));
        m_checks.True("F1 with Shift, Ctrl or Alt opens no help", run.HelpWindow() == nullptr);
    }

    void AboutBoxAndHelp() {
        Begin("the About box and help", Profile("c:\\emu\\korvo.exe -keyboard Suomi", "Wordpad.exe"));
        SetupRun run(m_exe);
        const HWND dialog = SetupDialog(run);
        if (dialog == nullptr || !m_checks.True("the setup dialog comes to the front", BringToFront(dialog))) return;
        Screenshot(dialog, "windows-setup.png");
        ModifiedF1DoesNothing(run, dialog);

        PressKey(VK_F1);
        CheckHelpShows(run, kSetupTopic);
        // The user minimises the help window and goes on.
        const HWND help = run.HelpWindow();
        ShowWindow(help, SW_MINIMIZE);
        m_checks.True("the help window minimises", WaitFor([&] { return IsIconic(help) != FALSE; }));

        // The window menu by keyboard, and its last entry, which is ours. (Wine adds "&About Wine"
        // to every window menu, so our entry's letter would only select one of the two.)
        if (!m_checks.True("the setup dialog comes to the front again", BringToFront(dialog))) return;
        PressKey(VK_SPACE, VK_MENU);
        PressKey(VK_UP);
        PressKey(VK_RETURN);
        const HWND about = run.WaitForWindow(kDialogClass, kAboutCaption);
        if (!m_checks.True("the window menu's About entry opens the About box", about != nullptr)) return;
        m_checks.True("owned by the setup dialog", GetWindow(about, GW_OWNER) == dialog);
        m_checks.True("the setup dialog is disabled meanwhile", IsWindowEnabled(dialog) == FALSE);
        m_checks.True("centred over the setup dialog", CentredOver(WindowRect(about), WindowRect(dialog)));
        m_checks.Equal("its button", ItemText(about, IDOK), std::string("Nice!"));
        if (m_checks.True("the About box comes to the front", BringToFront(about))) {
            Screenshot(about, "windows-about.png");
            PressKey(VK_F1);
            CheckHelpShows(run, kAboutTopic);
            m_checks.True("the same help window shows the new topic", run.HelpWindow() == help);
        }
        Press(about, IDOK);
        m_checks.True("Nice! closes the About box and enables the setup dialog",
                      WaitFor([&] { return !IsWindow(about) && IsWindowEnabled(dialog) != FALSE; }));

        Press(dialog, ID_HELP);
        CheckHelpShows(run, kSetupTopic);
        if (const HWND shown = run.HelpWindow()) Screenshot(shown, "windows-help.png");

        // Near the corner of the screen, the About box is moved inside the work area.
        const RECT work = WorkArea();
        SetWindowPos(dialog, nullptr, work.right - 60, work.bottom - 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        m_checks.True("the setup dialog moves near the corner",
                      WaitFor([&] { return WindowRect(dialog).left == work.right - 60; }));
        PostMessageA(dialog, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
        const HWND again = run.WaitForWindow(kDialogClass, kAboutCaption);
        if (m_checks.True("the About box opens again", again != nullptr)) {
            m_checks.True("inside the work area", Inside(WindowRect(again), work));
            PostMessageA(again, WM_SYSCOMMAND, SC_CLOSE, 0);
            m_checks.True("the close box closes it", WaitFor([&] { return !IsWindow(again); }));
        }

        Press(dialog, IDCANCEL);
        m_checks.True("KORVLINK.EXE ended with 0", run.EndedWell());
    }

    std::string m_exe;
    std::string m_screenshots;
    std::string m_helpFile;
    std::string m_profile = WindowsDirectory() + "\\KORVLINK.INI";
    Checks m_checks;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::printf("usage: korvlink_setup_driver KORVLINK.EXE [SCREENSHOT_DIR]\n");
        return 2;
    }
    return SetupTests(argv[1], argc == 3 ? argv[2] : "").Run();
}
