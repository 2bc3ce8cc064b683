#pragma once

// The setup dialog's rules, as pure functions.

#include <string>

// The information Install shows: four lines joined by CR LF, the last without a line break.
inline constexpr char kInstallMessage[] =
    "The program is going to modify the registry file key\r\n"
    "\"HKEY_CLASSES_ROOT\\Unknown\\shell\\open\\command\".\r\n"
    "\r\n"
    "The modification will take place when you close the main dialog using the OK button.";

// The emulator command as the browse button sees it: the executable the file dialog starts
// with, and the parameters that follow the chosen file.
struct EmulatorCommandParts {
    std::string path;  // the file dialog's initial name
    std::string tail;  // appended to the chosen path, starting with its blank
};

// The text is trimmed of white space (blank and 0x09 to 0x0D) at both ends. A text that then
// begins with a double-quoted path keeps that path whole (without its quotes) and the rest is
// the tail. Otherwise the first blank of the untrimmed text splits it: before it the path, from it
// the tail; with no blank, or a blank first, all of the trimmed text is the path.
EmulatorCommandParts SplitEmulatorCommand(const std::string& text);

// A chosen program's path, in double quotes when it holds a blank or a tab, so that the command
// it starts is split at the right place.
std::string QuotedIfBlank(const std::string& path);

// Where the minimised window draws its icon: centred, rounding up, truncated toward zero.
struct IconPosition {
    int x, y;
};
IconPosition MinimizedIconPosition(int clientWidth, int clientHeight, int iconWidth, int iconHeight);
