#pragma once

// The Linux services behind System: argv as a Windows command line, /proc/self/exe, profile
// files under XDG_CONFIG_HOME, stat() for presence and posix_spawnp for starting programs.

#include <string>
#include <vector>

#include "platform/system.h"

class PosixSystem : public System {
public:
    PosixSystem(int argc, const char* const* argv);

    std::string CommandLine() const override;
    std::string ModuleFileName() const override;
    void QuietCriticalErrors() override {}
    PathStyle Style() const override { return PathStyle::kPosix; }

    std::string ReadProfileText(const std::string& fileName, const std::string& section,
                                const std::string& key, const std::string& defaultValue) override;
    bool WriteProfileText(const std::string& fileName, const std::string& section,
                          const std::string& key, const std::string& value) override;

    bool PathIsPresent(const std::string& path) override;
    bool FileNamesIgnoreCase() const override { return false; }
    IsLeadByteFn LeadBytes() const override { return NoLeadBytes; }

    int StartProgram(const std::string& command, const std::string& document) override;
    bool IsHandedBack(const std::string& document) const override;

    bool WriteShellOpenCommand(const std::string& keyPath, const std::string& command) override;

private:
    std::vector<std::string> m_argv;
};

// argv[0] and every argument, each wrapped in double quotes, one blank between: the tail is
// then cut by the Windows rule and a file manager's one argument arrives quoted, as the Windows
// shell passes it. Quotes inside argv[0] are left out, as they would end its quoting early.
std::string ComposeCommandLine(const std::vector<std::string>& argv);
