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

// Window messages the program's message maps name.
inline constexpr unsigned WM_DESTROY = 0x0002;
inline constexpr unsigned WM_PAINT = 0x000F;
inline constexpr unsigned WM_ICONERASEBKGND = 0x0027;
inline constexpr unsigned WM_QUERYDRAGICON = 0x0037;
inline constexpr unsigned WM_INITDIALOG = 0x0110;
inline constexpr unsigned WM_COMMAND = 0x0111;
inline constexpr unsigned WM_SYSCOMMAND = 0x0112;

// System commands (WM_SYSCOMMAND); the low four bits are the platform's own.
inline constexpr unsigned SC_MOVE = 0xF010;
inline constexpr unsigned SC_MINIMIZE = 0xF020;
inline constexpr unsigned SC_CLOSE = 0xF060;

// Combo-box messages; CB_ADDSTRING is also the message of a dialog's initialisation records.
inline constexpr unsigned CB_ADDSTRING = 0x0143;
inline constexpr unsigned CB_FINDSTRING = 0x014C;
inline constexpr unsigned CB_SETCURSEL = 0x014E;
// The same message as a dialog's initialisation data spells it (0x0400 + 3 in 16-bit days).
inline constexpr unsigned kInitAddString = 0x0403;

// Menu items.
inline constexpr unsigned MF_STRING = 0x0000;
inline constexpr unsigned MF_SEPARATOR = 0x0800;

// Window and control styles, with the values dialog templates carry.
inline constexpr unsigned long WS_POPUP = 0x80000000UL;
inline constexpr unsigned long WS_VISIBLE = 0x10000000UL;
inline constexpr unsigned long WS_CAPTION = 0x00C00000UL;
inline constexpr unsigned long WS_BORDER = 0x00800000UL;
inline constexpr unsigned long WS_SYSMENU = 0x00080000UL;
inline constexpr unsigned long WS_VSCROLL = 0x00200000UL;
inline constexpr unsigned long WS_GROUP = 0x00020000UL;
inline constexpr unsigned long WS_TABSTOP = 0x00010000UL;
inline constexpr unsigned long WS_EX_APPWINDOW = 0x00040000UL;
inline constexpr unsigned long DS_MODALFRAME = 0x0080UL;
inline constexpr unsigned long DS_SETFONT = 0x0040UL;
inline constexpr unsigned long ES_AUTOHSCROLL = 0x0080UL;
inline constexpr unsigned long BS_PUSHBUTTON = 0x0000UL;
inline constexpr unsigned long BS_DEFPUSHBUTTON = 0x0001UL;
inline constexpr unsigned long BS_GROUPBOX = 0x0007UL;
inline constexpr unsigned long SS_LEFT = 0x0000UL;
inline constexpr unsigned long SS_ICON = 0x0003UL;
inline constexpr unsigned long SS_ETCHEDHORZ = 0x0010UL;
inline constexpr unsigned long SS_NOPREFIX = 0x0080UL;
inline constexpr unsigned long CBS_DROPDOWN = 0x0002UL;
inline constexpr unsigned long CBS_SORT = 0x0100UL;

// The file-open dialog's flags.
inline constexpr unsigned long OFN_OVERWRITEPROMPT = 0x0002UL;
inline constexpr unsigned long OFN_HIDEREADONLY = 0x0004UL;

// The help engine's commands.
inline constexpr unsigned HELP_CONTEXT = 0x0001;
inline constexpr unsigned HELP_QUIT = 0x0002;

// The framework's help topics: a dialog's topic is this base plus its template id.
inline constexpr unsigned long HID_BASE_RESOURCE = 0x20000UL;

// System metrics.
inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;
