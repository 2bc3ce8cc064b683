#pragma once

// The program as the shell's open command for documents that have no file-type association.

#include <string>

// Where the command is kept, under HKEY_CLASSES_ROOT.
inline constexpr char kUnknownOpenCommandKey[] = "Unknown\\shell\\open\\command";

// The executable's full path, a blank and "%1" in double quotes. A path holding a blank or a tab
// is put in double quotes too: unquoted, "C:\Program Files\..." would let C:\Program.exe run first.
std::string ShellOpenCommand(const std::string& modulePath);
