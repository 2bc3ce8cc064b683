#include "platform/posix/posix_system.h"

#include <sys/stat.h>

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "platform/common/ini_text.h"
#include "platform/posix/profile_file.h"

std::string ComposeCommandLine(const std::vector<std::string>& argv) {
    std::string line;
    for (std::size_t i = 0; i < argv.size(); ++i) {
        std::string argument = argv[i];
        if (i == 0) argument.erase(std::remove(argument.begin(), argument.end(), '"'), argument.end());
        if (i > 0) line += ' ';
        line += '"' + argument + '"';
    }
    return line;
}

PosixSystem::PosixSystem(int argc, const char* const* argv) : m_argv(argv, argv + argc) {}

std::string PosixSystem::CommandLine() const { return ComposeCommandLine(m_argv); }

std::string PosixSystem::ModuleFileName() const {
    char path[PATH_MAX];
    if (realpath("/proc/self/exe", path) != nullptr) return path;
    return m_argv.empty() ? std::string("korvlink") : m_argv[0];
}

std::string PosixSystem::ReadProfileText(const std::string& fileName, const std::string& section,
                                         const std::string& key, const std::string& defaultValue) {
    const std::optional<std::string> file = ReadWholeFile(ProfileDirectory() + "/" + fileName);
    return ReadProfileValue(file.value_or(std::string()), section, key, defaultValue);
}

bool PosixSystem::WriteProfileText(const std::string& fileName, const std::string& section,
                                   const std::string& key, const std::string& value) {
    if (!IsWritableIniName(section, key)) return false;
    return UpdateFileAtomically(ProfileDirectory() + "/" + fileName, [&](std::string_view old) {
        return WithIniValue(old, section, key, value);
    });
}

bool PosixSystem::PathIsPresent(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0;
}
