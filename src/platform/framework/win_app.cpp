#include "platform/framework.h"
#include "platform/framework/startup_rules.h"

namespace {
CWinApp* currentApp = nullptr;
}  // namespace

CWinApp::CWinApp() { currentApp = this; }

CWinApp::~CWinApp() {
    if (currentApp == this) currentApp = nullptr;
}

CWinApp* AfxGetApp() { return currentApp; }

const CCmdTarget::MessageMap* CWinApp::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        OnCommand(ID_HELP, &CWinApp::OnHelp),
    };
    static const MessageMap map{CCmdTarget::GetMessageMap(), entries, std::size(entries)};
    return &map;
}

void CWinApp::OnHelp() {
    // The dialog that holds the focus answers with its own topic.
    if (CDialog* dialog = CDialog::ActiveDialog()) {
        dialog->WinHelp(HID_BASE_RESOURCE + static_cast<unsigned long>(dialog->TemplateId()), HELP_CONTEXT);
    }
}

std::string CWinApp::GetProfileString(const std::string& section, const std::string& key,
                                      const std::string& defaultValue) {
    return m_pSystem->ReadProfileText(m_pszProfileName, section, key, defaultValue);
}

bool CWinApp::WriteProfileString(const std::string& section, const std::string& key,
                                 const std::string& value) {
    return m_pSystem->WriteProfileText(m_pszProfileName, section, key, value);
}

int AfxWinMain(CWinApp& app, System& system, Ui& ui) {
    app.m_pSystem = &system;
    app.m_pUi = &ui;
    system.QuietCriticalErrors();

    app.m_lpCmdLine = CutCommandLineTail(system.CommandLine(), system.LeadBytes());
    const AppNames names = DeriveAppNames(system.ModuleFileName(), system.Style(), system.LeadBytes());
    app.m_pszExeName = names.exeName;
    app.m_pszAppName = names.appName;
    app.m_pszHelpFilePath = names.helpFilePath;
    app.m_pszProfileName = names.profileName;

    // The program never runs a message loop of its own: InitInstance always ends the process.
    app.InitInstance();
    // A main window the application left behind must not outlive its object.
    app.m_pMainWnd = nullptr;
    return app.ExitInstance();
}

int AfxMessageBox(const std::string& text, unsigned type, unsigned /*helpId*/) {
    CWinApp* app = AfxGetApp();
    const unsigned buttons = type & MB_TYPEMASK;
    const bool plainButtons = buttons == MB_OK || buttons == MB_OKCANCEL || buttons == MB_YESNO ||
                              buttons == MB_YESNOCANCEL;
    if ((type & MB_ICONMASK) == 0 && plainButtons) type |= MB_ICONEXCLAMATION;
    // The main window's innermost dialog owns the box; without a main window, nothing does.
    WindowHandle owner = nullptr;
    if (app->m_pMainWnd != nullptr) {
        const CDialog* active = CDialog::ActiveDialog();
        owner = active != nullptr ? active->m_hWnd : app->m_pMainWnd->m_hWnd;
    }
    return app->GetUi().ShowMessageBox(owner, text, app->m_pszAppName, type);
}
