// The Windows entry point: the real Windows services and message boxes, handed to the framework.
// The framework cuts the command-line tail from GetCommandLineA itself, so WinMain's own copy of
// it is not used.

#include "platform/framework.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/win32_ui.h"
#include "platform/win32/windows_api.h"

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*tail*/, int /*show*/) {
    Win32System system;
    Win32Ui ui;
    return AfxWinMain(*AfxGetApp(), system, ui);
}
