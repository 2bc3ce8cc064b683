#pragma once

// The text of a program start: the chosen command exactly as stored (no quotes added around its
// program, nothing trimmed), a blank, and the document's path in double quotes. Windows starts
// this text as it is; the user reads it in "Could not start ..." on every platform.

#include <string>

inline std::string LaunchedCommandLine(const std::string& command, const std::string& path) {
    return command + " \"" + path + "\"";
}
