#include "config/shell_registration.h"

std::string ShellOpenCommand(const std::string& modulePath) {
    const bool needsQuotes = modulePath.find_first_of(" \t") != std::string::npos;
    const std::string program = needsQuotes ? "\"" + modulePath + "\"" : modulePath;
    return program + " \"%1\"";
}
