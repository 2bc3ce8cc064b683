#pragma once

// The Windows user interface: real message boxes, dialogs from the executable's own dialog
// resources, the common file-open dialog, the program's icon resource, and our help engine.
// Areas: win32_ui.cpp (boxes, file dialog, icon, help requests), win32_dialogs.cpp (modal
// dialogs, F1), win32_help.cpp (the help window).

#include "platform/ui.h"
#include "platform/win32/win32_help.h"

class Win32Ui : public Ui {
public:
    int ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                       unsigned type) override;
    // DialogBoxParamA on the resource numbered dialog.id. While any of our dialogs runs, F1
    // without Shift, Ctrl or Alt in it becomes WM_COMMAND ID_HELP to that dialog.
    int RunModalDialog(const DialogTemplate& dialog, DialogEvents& events, WindowHandle owner) override;
    // GetOpenFileNameA, Explorer style; the result is not limited to MAX_PATH.
    std::optional<std::string> RunOpenFileDialog(const FileDialogRequest& request,
                                                 WindowHandle owner) override;
    // LoadIconA of the executable's icon resource numbered icon.id.
    IconHandle LoadAppIcon(const IconArt& icon) override;
    // Windows no longer has a help engine for our help files: our own window shows the topic.
    bool ShowHelp(WindowHandle owner, const std::string& helpFile, unsigned command,
                  unsigned long topic) override;

private:
    HelpWindow m_help;
};
