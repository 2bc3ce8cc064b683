#include "platform/win32/win32_system.h"

#include <cstring>
#include <optional>

#include "platform/common/ini_text.h"
#include "platform/common/volume_root.h"
#include "platform/launched_command_line.h"
#include "platform/win32/windows_api.h"

namespace {

bool IsAnsiLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

// GetFullPathNameA into a buffer that grows until the whole path fits; nothing on failure.
std::optional<std::string> FullPathName(const std::string& path) {
    std::string buffer(MAX_PATH, '\0');
    while (true) {
        const DWORD length = GetFullPathNameA(path.c_str(), static_cast<DWORD>(buffer.size()),
                                              buffer.data(), nullptr);
        if (length == 0) return std::nullopt;
        // A path that fits comes back as its length; one that does not, as the size it needs.
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        buffer.resize(length);
    }
}

std::optional<std::string> EnvironmentVariable(const char* name) {
    std::string buffer(256, '\0');
    while (true) {
        SetLastError(ERROR_SUCCESS);
        const DWORD length = GetEnvironmentVariableA(name, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            // An empty value also reads as 0, but without an error.
            if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
            return std::string();
        }
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        buffer.resize(length);
    }
}

// Sets an environment variable of this process for the life of the object, then puts back what
// was there before (or removes it). Started programs inherit the environment of the moment.
class ScopedEnvironmentVariable {
public:
    ScopedEnvironmentVariable(const char* name, const std::string& value)
        : m_name(name), m_previous(EnvironmentVariable(name)) {
        SetEnvironmentVariableA(m_name, value.c_str());
    }
    ~ScopedEnvironmentVariable() {
        SetEnvironmentVariableA(m_name, m_previous ? m_previous->c_str() : nullptr);
    }
    ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
    ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_previous;
};

// The document as the marker names it: its full path, so that a relative spelling of the same
// file is recognised.
std::string MarkerFor(const std::string& document) { return FullPathName(document).value_or(document); }

// Windows file names ignore case in the ANSI code page's own sense, not only for A to Z.
std::string UpperCased(std::string text) {
    if (!text.empty()) CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

}  // namespace

std::string Win32System::CommandLine() const { return GetCommandLineA(); }

std::string Win32System::ModuleFileName() const {
    std::string buffer(MAX_PATH, '\0');
    while (true) {
        const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return std::string();
        // A cut name fills the whole buffer: grow it rather than derive names from a part.
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

void Win32System::QuietCriticalErrors() {
    // SetErrorMode only answers the old mode by replacing it.
    const UINT previous = SetErrorMode(0);
    SetErrorMode(previous | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
}

std::string Win32System::ReadProfileText(const std::string& fileName, const std::string& section,
                                         const std::string& key, const std::string& defaultValue) {
    // Windows itself drops the default's trailing blanks and cuts the value to the buffer.
    std::string buffer(kProfileValueLimit + 1, '\0');
    GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer.data(),
                             static_cast<DWORD>(buffer.size()), fileName.c_str());
    buffer.resize(std::strlen(buffer.c_str()));
    return buffer;
}

bool Win32System::WriteProfileText(const std::string& fileName, const std::string& section,
                                   const std::string& key, const std::string& value) {
    // Windows writes line breaks in a value as they are, which would inject lines of their own.
    if (!IsWritableIniName(section, key)) return false;
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), OneLineIniValue(value).c_str(),
                                      fileName.c_str()) != FALSE;
}

bool Win32System::PathIsPresent(const std::string& path) {
    // The volume is asked first: a drive without a medium or a share that does not answer is
    // absent, quietly, before any directory search.
    const std::optional<std::string> fullPath = FullPathName(path);
    if (!fullPath) return false;
    const std::string root = VolumeRoot(*fullPath, IsAnsiLeadByte);
    if (!GetVolumeInformationA(root.c_str(), nullptr, 0, nullptr, nullptr, nullptr, nullptr, 0)) {
        return false;
    }
    // A search finds directories, hidden and system files alike, and opens nothing.
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

IsLeadByteFn Win32System::LeadBytes() const { return IsAnsiLeadByte; }

int Win32System::StartProgram(const std::string& command, const std::string& document) {
    const ScopedEnvironmentVariable marker(kOpenedDocumentVariable, MarkerFor(document));
    return static_cast<int>(WinExec(LaunchedCommandLine(command, document).c_str(), SW_SHOW));
}

bool Win32System::IsHandedBack(const std::string& document) const {
    const std::optional<std::string> marker = EnvironmentVariable(kOpenedDocumentVariable);
    return marker && !marker->empty() && UpperCased(*marker) == UpperCased(MarkerFor(document));
}

bool Win32System::WriteShellOpenCommand(const std::string& keyPath, const std::string& command) {
    HKEY key = nullptr;
    char keyClass[] = "String";
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, keyPath.c_str(), 0, keyClass, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    // The default value, its terminating zero stored too.
    const LONG set = RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                                    static_cast<DWORD>(command.size() + 1));
    RegCloseKey(key);
    return set == ERROR_SUCCESS;
}
