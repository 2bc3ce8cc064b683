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
    const WindowHandle owner = app->m_pMainWnd != nullptr ? app->m_pMainWnd->m_hWnd : nullptr;
    return app->GetUi().ShowMessageBox(owner, text, app->m_pszAppName, type);
}
