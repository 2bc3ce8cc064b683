// The shell registration on Linux: a registry file and the desktop's default application.

#include "platform/posix/posix_system.h"

bool PosixSystem::WriteShellOpenCommand(const std::string& /*keyPath*/, const std::string& /*command*/) {
    // Not written yet: nothing in this build can ask for it.
    return false;
}
