#pragma once

// The Windows values the program's code speaks in: dialog results, message-box types and the
// framework's command ids. They keep their Windows names and numbers on every platform.
// A Windows backend includes this header before <windows.h>, whose macros carry the same values.

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

inline constexpr unsigned MB_OK = 0x00000000;
inline constexpr unsigned MB_OKCANCEL = 0x00000001;
inline constexpr unsigned MB_YESNOCANCEL = 0x00000003;
inline constexpr unsigned MB_YESNO = 0x00000004;
inline constexpr unsigned MB_TYPEMASK = 0x0000000F;
inline constexpr unsigned MB_ICONHAND = 0x00000010;
inline constexpr unsigned MB_ICONQUESTION = 0x00000020;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x00000030;
inline constexpr unsigned MB_ICONINFORMATION = 0x00000040;
inline constexpr unsigned MB_ICONMASK = 0x000000F0;

// The framework's help command, which the application object handles.
inline constexpr int ID_HELP = 0xE146;
