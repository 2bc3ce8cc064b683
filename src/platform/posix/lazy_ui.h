#pragma once

// The user interface of the Linux program: the GTK module, loaded on the first call that needs a
// window, so that launcher mode without a message never loads a toolkit. Without a display, or
// when the module cannot be loaded or cannot open the display, every call goes to StderrUi:
// messages arrive on standard error, and a dialog says on standard error why it cannot open.

#include <memory>
#include <string>

#include "platform/posix/stderr_ui.h"
#include "platform/ui.h"

class LazyUi : public Ui {
public:
    // `modulePath`: the GTK module's file; `programName` names the windows to the desktop.
    LazyUi(std::string modulePath, std::string programName);
    ~LazyUi() override;

    int ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                       unsigned type) override;
    int RunModalDialog(const DialogTemplate& dialog, DialogEvents& events, WindowHandle owner) override;
    std::optional<std::string> RunOpenFileDialog(const FileDialogRequest& request, WindowHandle owner) override;
    IconHandle LoadAppIcon(const IconArt& icon) override;
    bool ShowHelp(WindowHandle owner, const std::string& helpFile, unsigned command,
                  unsigned long topic) override;

private:
    // The module, once it has been tried; the fallback when it is not available.
    Ui& Target();

    std::string m_modulePath;
    std::string m_programName;
    bool m_tried = false;
    std::unique_ptr<Ui> m_module;
    StderrUi m_fallback;
};

// Where the program looks for its GTK module: <executable's folder>/../lib/korvlink/, as in the
// build tree and in an installed copy.
std::string GtkModulePath(const std::string& executablePath);
