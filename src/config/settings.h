#pragma once

// The program's two settings: where they are kept and what setup mode shows when they are missing.
// Launcher mode reads the same keys without defaults, so a missing key is "not defined" there.

inline constexpr char kSetupSection[] = "Setup";
inline constexpr char kEmulatorKey[] = "Korvo path";
inline constexpr char kViewerKey[] = "Viewer path";

// It ends in one blank, as it always has; a profile read drops it.
inline constexpr char kDefaultEmulatorCommand[] = "x:\\emulator\\mac\\korvo\\korvo.exe -keyboard Suomi ";
inline constexpr char kDefaultViewerCommand[] = "Wordpad.exe";
