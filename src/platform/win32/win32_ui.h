#pragma once

// The Windows user interface: real message boxes.

#include "platform/ui.h"

class Win32Ui : public Ui {
public:
    int ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                       unsigned type) override;
    // Dialogs are not drawn on Windows yet: the setup dialog says so and does not open.
    int RunModalDialog(const DialogTemplate& dialog, DialogEvents& events, WindowHandle owner) override;
    std::optional<std::string> RunOpenFileDialog(const FileDialogRequest&, WindowHandle) override {
        return std::nullopt;
    }
    IconHandle LoadAppIcon(const IconArt&) override { return nullptr; }
    bool ShowHelp(WindowHandle, const std::string&, unsigned, unsigned long) override { return false; }
};
