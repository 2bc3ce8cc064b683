#pragma once

// What our Windows test programs share: whole files, environment values, the recorder's output,
// starting a program with an exact command line, finding another program's windows, and a plain
// failure report.

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

inline std::optional<std::string> ReadWholeFile(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes;
    char chunk[65536];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
    CloseHandle(file);
    return bytes;
}

inline bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    CloseHandle(file);
    return ok;
}

inline std::string WindowsDirectory() {
    char path[MAX_PATH] = {};
    GetWindowsDirectoryA(path, MAX_PATH);
    return path;
}

inline std::optional<std::string> EnvironmentValue(const char* name) {
    const DWORD size = GetEnvironmentVariableA(name, nullptr, 0);
    if (size == 0) return std::nullopt;
    std::string value(size, '\0');
    value.resize(GetEnvironmentVariableA(name, value.data(), size));
    return value;
}

// What the recorder wrote: its command line, its tail, its argv and the marker (empty if unset).
struct Recorded {
    std::string commandLine;
    std::string tail;
    std::vector<std::string> argv;
    std::optional<std::string> marker;
};

inline std::optional<Recorded> ReadRecorded(const std::string& path) {
    const std::optional<std::string> text = ReadWholeFile(path);
    if (!text) return std::nullopt;
    Recorded recorded;
    std::size_t start = 0;
    for (std::size_t end; (end = text->find('\n', start)) != std::string::npos; start = end + 1) {
        const std::string line = text->substr(start, end - start);
        const std::size_t equals = line.find('=');
        const std::string name = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);
        if (name == "commandline") recorded.commandLine = value;
        if (name == "tail") recorded.tail = value;
        if (name == "argv") recorded.argv.push_back(value);
        if (name == "marker") recorded.marker = value;
    }
    return recorded;
}

// A text as the failure reports show it: bytes outside 0x20..0x7e as {xNN}, between brackets.
inline std::string Shown(const std::string& text) {
    std::string shown = "[";
    for (const char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f) {
            shown += c;
        } else {
            const char* digits = "0123456789ABCDEF";
            shown += std::string("{x") + digits[byte >> 4] + digits[byte & 15] + "}";
        }
    }
    return shown + "]";
}

inline std::string Shown(const std::vector<std::string>& texts) {
    std::string shown;
    for (const std::string& text : texts) shown += Shown(text);
    return shown.empty() ? "(none)" : shown;
}

// Counts and prints failures; the program's exit code is 1 when there was any.
class Checks {
public:
    template <typename T>
    void Equal(const std::string& what, const T& actual, const T& expected) {
        if (actual == expected) return;
        Fail(what + ": got " + Shown(actual) + ", expected " + Shown(expected));
    }
    // Returns `condition`, so that a caller can stop where nothing more can be checked.
    bool True(const std::string& what, bool condition) {
        if (!condition) Fail(what);
        return condition;
    }
    void Fail(const std::string& message) {
        ++m_failures;
        std::printf("FAIL %s: %s\n", m_context.c_str(), message.c_str());
        std::fflush(stdout);
    }
    void Context(const std::string& context) { m_context = context; }
    int ExitCode() const { return m_failures == 0 ? 0 : 1; }
    int Failures() const { return m_failures; }

private:
    std::string m_context;
    int m_failures = 0;
};

// Starts `application` with exactly `commandLine` (CreateProcessA does not re-quote it),
// suspended so that the caller can put it into a job first. Nothing on failure.
inline std::optional<PROCESS_INFORMATION> StartSuspended(const std::string& application,
                                                         const std::string& commandLine,
                                                         const std::string& directory = std::string()) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string line = commandLine;  // CreateProcessA may write to it
    if (!CreateProcessA(application.c_str(), line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                        directory.empty() ? nullptr : directory.c_str(), &startup, &process)) {
        return std::nullopt;
    }
    return process;
}

// A top-level window's caption, whatever its length.
inline std::string WindowText(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The text a control holds now. GetWindowText would give another process's control only the
// text it was created with: WM_GETTEXT asks the control itself.
inline std::string ControlText(HWND control) {
    std::string text(static_cast<std::size_t>(SendMessageA(control, WM_GETTEXTLENGTH, 0, 0)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        SendMessageA(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

inline std::string ClassName(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

struct WindowSearch {
    DWORD processId;
    std::vector<HWND> found;
};

// A named callback: 32-bit Windows calls it with its own calling convention, which a lambda lacks.
inline BOOL CALLBACK CollectVisibleWindow(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId && IsWindowVisible(window)) search.found.push_back(window);
    return TRUE;
}

// The visible top-level windows of process `processId`, in Z order, the topmost first.
inline std::vector<HWND> VisibleWindowsOf(DWORD processId) {
    WindowSearch search{processId, {}};
    EnumWindows(CollectVisibleWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
