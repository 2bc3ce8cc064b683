#pragma once

// Our small application framework: the application object, windows and message boxes, with the
// names the program's code expects. It is written once, on top of the System and Ui interfaces,
// and runs unchanged on every backend.

#include <string>

#include "platform/system.h"
#include "platform/ui.h"
#include "platform/win_constants.h"

// A window of the program. The backend's handle is set while the window exists.
class CWnd {
public:
    virtual ~CWnd() = default;

    WindowHandle m_hWnd = nullptr;
};

// The application object. Exactly one is current: constructing one registers it, and the
// framework's entry reaches the application only through that registration.
class CWinApp {
public:
    // Without a name, the title is derived from the executable's file name.
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The program's work. Returning false ends the process without a message loop.
    virtual bool InitInstance() = 0;
    // The process exit code once InitInstance has returned false.
    virtual int ExitInstance() { return 0; }

    // The settings store: section and key of the profile file m_pszProfileName.
    // A missing file, section or key gives `defaultValue` (less its trailing blanks).
    std::string GetProfileString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue = std::string());
    // Returns the platform's success flag; the program's callers ignore it.
    bool WriteProfileString(const std::string& section, const std::string& key,
                            const std::string& value);

    System& GetSystem() const { return *m_pSystem; }
    Ui& GetUi() const { return *m_pUi; }

    // Set by AfxWinMain before InitInstance runs.
    std::string m_lpCmdLine;        // the command-line tail
    std::string m_pszExeName;       // the executable's file name without its extension
    std::string m_pszAppName;       // the title: caption of every message box
    std::string m_pszHelpFilePath;  // the help file
    std::string m_pszProfileName;   // the profile file's name, without directory
    CWnd* m_pMainWnd = nullptr;     // owns message boxes, file dialogs and help

private:
    friend int AfxWinMain(CWinApp& app, System& system, Ui& ui);

    System* m_pSystem = nullptr;
    Ui* m_pUi = nullptr;
};

// The current application object, or null before one is constructed.
CWinApp* AfxGetApp();

// Starts `app` on the given backends, as the framework's WinMain does: quiets critical-error
// boxes, cuts the command-line tail, derives the names, runs InitInstance and, once it returns
// false, ExitInstance, whose result is the process exit code.
int AfxWinMain(CWinApp& app, System& system, Ui& ui);

// A modal message box with the application's title as caption, owned by the main window when
// there is one. A type without an icon whose buttons are OK, OK/Cancel, Yes/No or
// Yes/No/Cancel gets the exclamation icon. Returns the id of the button pressed.
int AfxMessageBox(const std::string& text, unsigned type = MB_OK, unsigned helpId = 0);
