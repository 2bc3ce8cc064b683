// A stand-in emulator or viewer for the Wine tests, and the child through which the platform
// check sees the runtime's own command-line handling. It writes what it received to the file
// named by RECORDER_OUT, one "name=value" line each: the command line (GetCommandLineA), the tail
// the runtime handed to WinMain, every argv entry of the runtime's split (argv[0] first) and,
// when set, KORVLINK_OPENED_DOCUMENT. It writes a temporary file and renames it, so a reader
// that sees the file sees all of it.

#include <cstdlib>
#include <string>

#include "windows_test_support.h"

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR tail, int /*show*/) {
    const std::optional<std::string> out = EnvironmentValue("RECORDER_OUT");
    if (!out) return 2;
    std::string text = "commandline=" + std::string(GetCommandLineA()) + "\n";
    text += "tail=" + std::string(tail) + "\n";
    for (int i = 0; i < __argc; ++i) text += "argv=" + std::string(__argv[i]) + "\n";
    if (const auto marker = EnvironmentValue("KORVLINK_OPENED_DOCUMENT")) text += "marker=" + *marker + "\n";

    const std::string part = *out + ".part";
    if (!WriteWholeFile(part, text)) return 3;
    return MoveFileExA(part.c_str(), out->c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 4;
}
