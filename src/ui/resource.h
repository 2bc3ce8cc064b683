#pragma once

// The program's resource and control ids.

inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDS_ABOUTBOX = 101;
inline constexpr int IDD_SETUP_DIALOG = 102;
inline constexpr int IDR_MAINFRAME = 128;

inline constexpr int IDC_INSTALL = 3;
inline constexpr int IDC_EMULATOR_PATH = 1000;
inline constexpr int IDC_BROWSE_EMULATOR = 1001;
inline constexpr int IDC_BROWSE_VIEWER = 1003;
inline constexpr int IDC_VIEWER_PATH = 1005;
inline constexpr int IDC_STATIC = -1;

// The About entry of the setup dialog's system menu; system commands keep their low four bits
// clear, the platform uses them.
inline constexpr unsigned IDM_ABOUTBOX = 0x0010;
