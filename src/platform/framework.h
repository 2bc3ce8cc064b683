#pragma once

// Our small application framework: the application object, windows, dialogs, message maps and
// message boxes, with the names the program's code expects. It is written once, on top of the
// System and Ui interfaces, and runs unchanged on every backend.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "platform/dialog_template.h"
#include "platform/system.h"
#include "platform/ui.h"
#include "platform/win_constants.h"

// --- Message maps -----------------------------------------------------------------------------

// Something that handles messages and commands through a declarative table: each entry binds a
// message (and, for WM_COMMAND, a control id) to a member function. A class's table names its
// base class's table, which is searched when its own has no entry.
class CCmdTarget {
public:
    using VoidHandler = void (CCmdTarget::*)();
    using SysCommandHandler = void (CCmdTarget::*)(unsigned id, std::intptr_t lParam);
    using IconHandler = IconHandle (CCmdTarget::*)();
    using Handler = std::variant<VoidHandler, SysCommandHandler, IconHandler>;

    struct MessageMapEntry {
        unsigned message;
        int id;  // WM_COMMAND: the command or control id; 0 otherwise
        Handler handler;
    };
    struct MessageMap {
        const MessageMap* base;
        const MessageMapEntry* entries;
        std::size_t count;
    };

    virtual ~CCmdTarget() = default;
    virtual const MessageMap* GetMessageMap() const;

    // Calls the handler for the message, searching this class's table and then its bases'.
    // Returns false when there is none.
    bool OnCmdMsg(unsigned message, int id, std::uintptr_t wParam, std::intptr_t lParam,
                  std::intptr_t* result);
    bool HasHandler(unsigned message, int id) const;

protected:
    // Entries for a map, from a derived class's member functions.
    template <class T>
    static MessageMapEntry OnCommand(int id, void (T::*handler)()) {
        return {WM_COMMAND, id, static_cast<VoidHandler>(handler)};
    }
    template <class T>
    static MessageMapEntry OnMessage(unsigned message, void (T::*handler)()) {
        return {message, 0, static_cast<VoidHandler>(handler)};
    }
    template <class T>
    static MessageMapEntry OnSysCommandMessage(void (T::*handler)(unsigned, std::intptr_t)) {
        return {WM_SYSCOMMAND, 0, static_cast<SysCommandHandler>(handler)};
    }
    template <class T>
    static MessageMapEntry OnQueryDragIconMessage(IconHandle (T::*handler)()) {
        return {WM_QUERYDRAGICON, 0, static_cast<IconHandler>(handler)};
    }

private:
    const MessageMapEntry* FindEntry(unsigned message, int id) const;
};

// --- Windows ----------------------------------------------------------------------------------

class CWnd;

// A window's system menu, while the window exists.
class CMenu {
public:
    explicit CMenu(DialogHost& host) : m_host(host) {}
    bool AppendMenu(unsigned flags, unsigned id = 0, const std::string& text = std::string()) {
        return m_host.AppendSystemMenuItem(flags, id, text);
    }

private:
    DialogHost& m_host;
};

struct CRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// A window of the program. Its backend window exists between creation and destruction only.
class CWnd : public CCmdTarget {
public:
    WindowHandle m_hWnd = nullptr;

    std::string GetDlgItemText(int id) const { return m_pHost->GetItemText(id); }
    // CB_FINDSTRING (index: start after), CB_ADDSTRING or CB_SETCURSEL (index: the entry) to a
    // combo box; the index the list answers, negative for none or a failure.
    int SendComboMessage(int id, unsigned message, int index, const std::string& text = std::string());
    void SetDlgItemText(int id, const std::string& text) { m_pHost->SetItemText(id, text); }
    // The window menu, or null when the window has none.
    CMenu* GetSystemMenu(bool revert);
    void SetIcon(IconHandle icon, bool bigIcon) { m_pHost->SetIcon(icon, bigIcon); }
    bool IsIconic() const { return m_pHost->IsIconic(); }
    void GetClientRect(CRect* rect) const;
    int GetSystemMetrics(int index) const;
    // Calls the help engine on the application's help file. A refusal is reported to the user.
    void WinHelp(unsigned long data, unsigned command = HELP_CONTEXT);

protected:
    friend class CPaintDC;

    // Asks for the platform's default processing of the message being handled.
    void Default() { m_bDefault = true; }

    DialogHost* m_pHost = nullptr;
    bool m_bDefault = false;

private:
    std::optional<CMenu> m_systemMenu;
};

// Paints a window while it handles WM_PAINT.
class CPaintDC {
public:
    explicit CPaintDC(CWnd* window);
    void DrawIcon(int x, int y, IconHandle icon);
    // WM_ICONERASEBKGND with this context: erases the minimised window's background.
    void EraseIconBackground();

private:
    DialogHost& m_host;
};

// --- Dialogs ----------------------------------------------------------------------------------

// A modal dialog run from its template. Commands it does not handle go on to the application.
class CDialog : public CWnd, private DialogEvents {
public:
    CDialog(const DialogTemplate& dialogTemplate, CWnd* parent = nullptr);
    ~CDialog() override;

    // Creates the window from the template, runs it modally and destroys it. Returns IDOK,
    // IDCANCEL (also for Escape and Close), or -1 when it cannot be created or its list data is
    // refused.
    int DoModal();
    int TemplateId() const { return m_template.id; }

    // The innermost dialog that is running, which holds the focus; null when none is.
    static CDialog* ActiveDialog();

protected:
    // Applies the template's initialisation data, exchanges data and shows the help button only
    // when something handles ID_HELP. Returns true: the focus goes to the first tab stop.
    virtual bool OnInitDialog();
    virtual void DoDataExchange() {}
    virtual void OnOK();
    virtual void OnCancel();
    void OnDestroy() { Default(); }
    void OnPaint() { Default(); }
    void OnSysCommand(unsigned /*id*/, std::intptr_t /*lParam*/) { Default(); }
    void EndDialog(int result) { m_pHost->EndDialog(result); }

    const MessageMap* GetMessageMap() const override;

private:
    bool OnDialogCreated(DialogHost& host) override;
    bool OnDialogMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                         std::intptr_t* result) override;

    const DialogTemplate& m_template;
    CWnd* m_pParentWnd;
    CDialog* m_pOuterDialog = nullptr;
};

// The platform's file-open dialog.
class CFileDialog {
public:
    // `filter` lists display names and patterns separated by '|' and ends with "||"; the first
    // pair is preselected. `fileName` is cut to its first 259 characters.
    CFileDialog(bool openFileDialog, const std::string& defaultExtension, const std::string& fileName,
                unsigned long flags, const std::string& filter, CWnd* parent = nullptr);

    // IDOK when a file was chosen, else IDCANCEL.
    int DoModal();
    std::string GetPathName() const { return m_pathName; }

    const FileDialogRequest& Request() const { return m_request; }

private:
    FileDialogRequest m_request;
    CWnd* m_pParentWnd;
    std::string m_pathName;
};

// The display-name and pattern pairs of a filter text such as "Program Files|*.exe|All Files|*.*||".
std::vector<std::pair<std::string, std::string>> ParseFileFilter(const std::string& filter);

// The longest initial file name the file-open dialog takes (its buffer holds 260 with the end).
inline constexpr std::size_t kMaxInitialFileName = 259;

// --- The application --------------------------------------------------------------------------

// The application object. Exactly one is current: constructing one registers it, and the
// framework's entry reaches the application only through that registration.
class CWinApp : public CCmdTarget {
public:
    // Without a name, the title is derived from the executable's file name.
    CWinApp();
    ~CWinApp() override;
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
    // One of the program's icons at the platform's standard large size.
    IconHandle LoadIcon(const IconArt& icon) { return m_pUi->LoadAppIcon(icon); }

    // ID_HELP: the help file at the topic of the dialog that holds the focus (the help base
    // plus its template id). A refusal shows "Failed to launch help.".
    void OnHelp();

    System& GetSystem() const { return *m_pSystem; }
    Ui& GetUi() const { return *m_pUi; }

    // Set by AfxWinMain before InitInstance runs.
    std::string m_lpCmdLine;        // the command-line tail
    std::string m_pszExeName;       // the executable's file name without its extension
    std::string m_pszAppName;       // the title: caption of every message box
    std::string m_pszHelpFilePath;  // the help file
    std::string m_pszProfileName;   // the profile file's name, without directory
    CWnd* m_pMainWnd = nullptr;     // owns message boxes, file dialogs and help

protected:
    const MessageMap* GetMessageMap() const override;

private:
    friend int AfxWinMain(CWinApp& app, System& system, Ui& ui);
    friend class CWnd;

    System* m_pSystem = nullptr;
    Ui* m_pUi = nullptr;
    bool m_bReportingHelpFailure = false;
};

// The current application object, or null before one is constructed.
CWinApp* AfxGetApp();

// Starts `app` on the given backends, as the framework's WinMain does: quiets critical-error
// boxes, cuts the command-line tail, derives the names, runs InitInstance and, once it returns
// false, ExitInstance, whose result is the process exit code.
int AfxWinMain(CWinApp& app, System& system, Ui& ui);

// A modal message box with the application's title as caption, owned by the innermost dialog
// of the main window when there is a main window, else by no window. A type without an icon
// whose buttons are OK, OK/Cancel, Yes/No or Yes/No/Cancel gets the exclamation icon. Returns
// the id of the button pressed.
int AfxMessageBox(const std::string& text, unsigned type = MB_OK, unsigned helpId = 0);

// The framework's own message when the help engine fails.
inline constexpr char kFailedToLaunchHelp[] = "Failed to launch help.";
