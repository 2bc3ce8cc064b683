#include "app/launcher_app.h"

#include "config/shell_registration.h"

bool CLauncherApp::InitInstance() {
    if (RunLauncher() != 0) return false;

    // The setup dialog comes with the user interface; this build has none.
    AfxMessageBox("The setup dialog is not available in this build.");
    m_exitCode = 1;
    return false;
}

void CLauncherApp::InstallUnknownHandler() {
    System& system = GetSystem();
    system.WriteShellOpenCommand(kUnknownOpenCommandKey, ShellOpenCommand(system.ModuleFileName()));
}
