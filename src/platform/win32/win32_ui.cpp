#include "platform/win32/win32_ui.h"

#include "platform/win32/windows_api.h"

int Win32Ui::ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                            unsigned type) {
    return MessageBoxA(static_cast<HWND>(owner), text.c_str(), caption.c_str(), type);
}

int Win32Ui::RunModalDialog(const DialogTemplate& dialog, DialogEvents& /*events*/, WindowHandle owner) {
    MessageBoxA(static_cast<HWND>(owner), "This build cannot show its dialogs yet.", dialog.caption.c_str(),
                MB_OK | MB_ICONEXCLAMATION);
    return -1;
}
