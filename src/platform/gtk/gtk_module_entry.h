#pragma once

// The one function the GTK module exports, as the POSIX loader finds it with dlsym. The module
// and the program are built together, so the Ui it returns shares the program's layout.

#include <cstddef>

class Ui;

// Opens the display and returns the GTK user interface, which the caller owns; or null, with
// the reason in `error` (a text of at most `errorSize` bytes with its end).
// `programName` names the windows to the desktop.
using CreateGtkUiFunction = Ui* (*)(const char* programName, char* error, std::size_t errorSize);

inline constexpr char kCreateGtkUiSymbol[] = "korvlink_create_gtk_ui";
inline constexpr char kGtkModuleFileName[] = "libkorvlink-gtk.so";
