// The shell registration on Linux: the registry key goes to a REGEDIT4 file beside the profile,
// and korvlink becomes the desktop's default application for files of no known type
// (application/octet-stream), which is how a Linux desktop asks what opens such a file.

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "platform/common/desktop_entry.h"
#include "platform/common/mime_apps_text.h"
#include "platform/common/reg_text.h"
#include "platform/posix/posix_system.h"
#include "platform/posix/profile_file.h"

extern char** environ;

namespace {

constexpr char kRegistryFileName[] = "registry.reg";

std::string DataHome() { return XdgBaseDirectory("XDG_DATA_HOME", ".local/share"); }

// Where a symbolic link to the executable goes when openers cannot start it by its own path.
std::string LinkPath() { return DataHome() + "/korvlink/korvlink"; }

std::string LinkTarget(const std::string& link) {
    std::string target(4096, '\0');
    const ssize_t length = readlink(link.c_str(), target.data(), target.size());
    if (length < 0 || static_cast<std::size_t>(length) >= target.size()) return std::string();
    target.resize(static_cast<std::size_t>(length));
    return target;
}

// Points the link at `executable`, replacing an old link in one rename.
bool PlaceLink(const std::string& link, const std::string& executable) {
    if (LinkTarget(link) == executable) return true;
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(link).parent_path(), error);
    const std::string temporary = link + "." + std::to_string(getpid()) + ".tmp";
    unlink(temporary.c_str());
    if (symlink(executable.c_str(), temporary.c_str()) != 0) return false;
    if (rename(temporary.c_str(), link.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

// A link left from a registration that needed one; anything else at that path is not ours.
void RemoveLink(const std::string& link) {
    struct stat status {};
    if (lstat(link.c_str(), &status) == 0 && S_ISLNK(status.st_mode)) unlink(link.c_str());
}

// Rebuilds the folder's MIME cache when the desktop's tool is installed. Some openers read only
// the cache; the others do not need it, so a missing or failing tool changes nothing for them.
void RefreshDesktopDatabase(const std::string& applications) {
    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0) return;
    // Its complaints about other programs' entries are no concern of korvlink's user.
    for (const int fd : {0, 1, 2}) {
        posix_spawn_file_actions_addopen(&actions, fd, "/dev/null", fd == 0 ? O_RDONLY : O_WRONLY, 0);
    }
    std::string program = "update-desktop-database";
    std::string folder = applications;
    char* argv[] = {program.data(), folder.data(), nullptr};
    pid_t child = 0;
    if (posix_spawnp(&child, argv[0], &actions, nullptr, argv, environ) == 0) {
        int status = 0;
        while (waitpid(child, &status, 0) < 0 && errno == EINTR) {}
    }
    posix_spawn_file_actions_destroy(&actions);
}

// The desktop entry, the default in mimeapps.list, the cache. Every step that fails leaves its
// file as it was, and stops the steps after it.
void RegisterWithDesktop(const std::string& executable) {
    const std::string link = LinkPath();
    std::string program = executable;
    switch (ChooseDesktopProgram(executable, link)) {
        case DesktopProgram::kExecutable:
            RemoveLink(link);
            break;
        case DesktopProgram::kLink:
            if (!PlaceLink(link, executable)) return;
            program = link;
            break;
        case DesktopProgram::kNeither:
            std::fprintf(stderr,
                         "korvlink: not registered with the desktop, which cannot start a program at %s\n",
                         executable.c_str());
            return;
    }
    const std::string entry = *DesktopExecProgram(program);

    const std::string applications = DataHome() + "/applications";
    const bool written =
        UpdateFileAtomically(applications + "/" + kDesktopEntryName,
                             [&](std::string_view) { return DesktopEntryText(entry); }) &&
        UpdateFileAtomically(XdgBaseDirectory("XDG_CONFIG_HOME", ".config") + "/mimeapps.list",
                             [](std::string_view old) {
                                 return WithDefaultApplication(old, kUnknownContentType, kDesktopEntryName);
                             });
    if (written) RefreshDesktopDatabase(applications);
}

}  // namespace

bool PosixSystem::WriteShellOpenCommand(const std::string& keyPath, const std::string& command) {
    const bool written =
        UpdateFileAtomically(ProfileDirectory() + "/" + kRegistryFileName, [&](std::string_view old) {
            return WithRegDefaultValue(old, "HKEY_CLASSES_ROOT\\" + keyPath, command);
        });
    // What the registry key means to Windows, the desktop entry means to a Linux desktop. Both
    // name this program: `command` is its open command, built from ModuleFileName().
    if (written) RegisterWithDesktop(ModuleFileName());
    return written;
}
