#pragma once

// The Windows build's resources, generated from the program's resource data at build time, so
// that the executable carries real dialog templates, initialisation data, strings, version
// information and icon, and no hand-kept copy can drift from the data the other platforms draw.

#include <string>
#include <utility>
#include <vector>

#include "platform/dialog_template.h"

struct ResourceScriptInput {
    std::vector<const DialogTemplate*> dialogs;
    std::vector<std::pair<int, std::string>> strings;
    std::vector<std::pair<const IconArt*, std::string>> icons;  // the art and its .ico file's name
    VersionInfo version;
};

// The resource script, for windres: every dialog (an extended template where the data says so),
// its initialisation data as resource type 240 (records of control id, message, length and
// text with its terminating zero, ended by a zero control id), the string table, the icons and
// the version resource. Texts are written with C escapes, so any byte survives.
std::string ResourceScript(const ResourceScriptInput& input);

// The bytes of one dialog's initialisation data, as the resource holds them.
std::string DialogInitData(const DialogTemplate& dialog);

// An .ico file with every image of `art`: 4 bits a pixel, the standard palette, and a mask for
// the transparent pixels.
std::string IconFile(const IconArt& art);
