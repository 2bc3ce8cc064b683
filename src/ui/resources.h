#pragma once

// The program's resources as data: dialog templates, strings, version information and the icon.
// Every platform draws from these; the Windows build turns them into real resources.

#include <string>
#include <utility>
#include <vector>

#include "platform/dialog_template.h"

const DialogTemplate& SetupDialogTemplate();
const DialogTemplate& AboutDialogTemplate();
const std::vector<const DialogTemplate*>& AllDialogTemplates();

// The string table: id and text.
const std::vector<std::pair<int, std::string>>& StringTable();
// The text of string `id`, empty when there is none.
std::string LoadResourceString(int id);

// The version resource.
const VersionInfo& ProgramVersionInfo();

// The program's icon IDR_MAINFRAME: a 32x32 and a 16x16 image of 16 colours.
const IconArt& ProgramIcon();
