// Starting the emulator or the viewer on Linux, WinExec's way: the command is split by the
// Windows runtime's rules, the document is added as one more argument exactly as it is, and the
// program is found on PATH and started in a session of its own. No shell is ever involved, so
// blanks, quotes, '$', ';' or bytes that are not UTF-8 in a file name are only ever an argument.

#include <spawn.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "platform/common/command_line_split.h"
#include "platform/posix/posix_system.h"

extern char** environ;

namespace {

int StartFailure(int error) {
    switch (error) {
        case ENOENT: return kStartFileNotFound;
        case ENOTDIR: return kStartPathNotFound;
        case EACCES:
        case EPERM: return kStartAccessDenied;
        case ENOEXEC: return kStartBadFormat;
        default: return kStartOutOfResources;
    }
}

// The document as the marker names it: its canonical path where it resolves, so that the same
// file reached by another spelling (relative, through a link) is recognised.
std::string MarkerFor(const std::string& document) {
    char resolved[PATH_MAX];
    if (realpath(document.c_str(), resolved) != nullptr) return resolved;
    return document;
}

// The parent's environment less any old marker, then the marker for this document.
std::vector<std::string> ChildEnvironment(const std::string& document) {
    const std::string prefix = std::string(kOpenedDocumentVariable) + "=";
    std::vector<std::string> entries;
    for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
        if (std::strncmp(*entry, prefix.c_str(), prefix.size()) != 0) entries.emplace_back(*entry);
    }
    entries.push_back(prefix + MarkerFor(document));
    return entries;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

int PosixSystem::StartProgram(const std::string& command, const std::string& document) {
    std::vector<std::string> argv = SplitCommandLine(command);
    if (argv.empty() || argv[0].empty()) return kStartFileNotFound;
    argv.push_back(document);
    std::vector<std::string> environment = ChildEnvironment(document);

    posix_spawnattr_t attributes;
    if (posix_spawnattr_init(&attributes) != 0) return kStartOutOfResources;
    // A session of its own: the started program outlives korvlink and its terminal.
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    pid_t child = 0;
    const int error = posix_spawnp(&child, argv[0].c_str(), nullptr, &attributes,
                                   Pointers(argv).data(), Pointers(environment).data());
    posix_spawnattr_destroy(&attributes);
    return error == 0 ? kStartedMinimum + 1 : StartFailure(error);
}

bool PosixSystem::IsHandedBack(const std::string& document) const {
    const char* marker = std::getenv(kOpenedDocumentVariable);
    return marker != nullptr && MarkerFor(document) == marker;
}
