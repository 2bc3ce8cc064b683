#pragma once

// The user interface without a display: each message is one line "TITLE: text" on standard
// error, answered as OK. Line breaks inside a message are written as " / " so that the line
// stays one line for whoever reads the log. Windows, file dialogs and help cannot be shown.

#include <string>
#include <utility>

#include "platform/ui.h"

class StderrUi : public Ui {
public:
    int ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                       unsigned type) override;
    // Says on standard error that the dialog cannot be shown, and why, and fails.
    int RunModalDialog(const DialogTemplate& dialog, DialogEvents&, WindowHandle) override;
    std::optional<std::string> RunOpenFileDialog(const FileDialogRequest&, WindowHandle) override {
        return std::nullopt;
    }
    IconHandle LoadAppIcon(const IconArt&) override { return nullptr; }
    bool ShowHelp(WindowHandle, const std::string&, unsigned, unsigned long) override { return false; }

    // Why no window can be shown, as the dialog's line says it.
    void SetWhyNoWindows(std::string reason) { m_whyNoWindows = std::move(reason); }

private:
    std::string m_whyNoWindows = "no graphical display is available";
};
