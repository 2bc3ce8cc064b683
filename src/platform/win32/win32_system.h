#pragma once

// The real Windows services behind System, on the 8-bit (A) entry points: the process command
// line, private profile files in the Windows directory, GetFullPathName + GetVolumeInformation
// + FindFirstFile for presence, and WinExec for starting programs.

#include <string>

#include "platform/system.h"

class Win32System : public System {
public:
    std::string CommandLine() const override;
    std::string ModuleFileName() const override;
    void QuietCriticalErrors() override;
    PathStyle Style() const override { return PathStyle::kWindows; }

    // The file name goes to the profile functions bare, so Windows keeps the file in the
    // Windows directory.
    std::string ReadProfileText(const std::string& fileName, const std::string& section,
                                const std::string& key, const std::string& defaultValue) override;
    bool WriteProfileText(const std::string& fileName, const std::string& section,
                          const std::string& key, const std::string& value) override;

    bool PathIsPresent(const std::string& path) override;
    bool FileNamesIgnoreCase() const override { return true; }
    IsLeadByteFn LeadBytes() const override;

    int StartProgram(const std::string& command, const std::string& document) override;
    bool IsHandedBack(const std::string& document) const override;

    bool WriteShellOpenCommand(const std::string& keyPath, const std::string& command) override;
};
