#include "app/launcher_app.h"

#include "config/settings.h"
#include "config/shell_registration.h"
#include "ui/setup_dlg.h"

bool CLauncherApp::InitInstance() {
    if (RunLauncher() != 0) return false;

    // Setup mode: the dialog is the main window from the start, so that it owns every box.
    CSetupDlg dialog;
    m_pMainWnd = &dialog;
    dialog.m_strEmulatorPath = GetProfileString(kSetupSection, kEmulatorKey, kDefaultEmulatorCommand);
    dialog.m_strViewerPath = GetProfileString(kSetupSection, kViewerKey, kDefaultViewerCommand);
    dialog.m_bInstall = false;

    const int result = dialog.DoModal();
    if (result == IDOK) {
        // The registration comes last, after both settings, whether their writes worked or not.
        WriteProfileString(kSetupSection, kEmulatorKey, dialog.m_strEmulatorPath);
        WriteProfileString(kSetupSection, kViewerKey, dialog.m_strViewerPath);
        if (dialog.m_bInstall) InstallUnknownHandler();
    }
    // A dialog that could not be created is still set as main window; it must not outlive this call.
    m_pMainWnd = nullptr;
    // A dialog that could not open at all is a failure the caller may want to see.
    m_exitCode = result == -1 ? 1 : 0;
    return false;
}

void CLauncherApp::InstallUnknownHandler() {
    System& system = GetSystem();
    system.WriteShellOpenCommand(kUnknownOpenCommandKey, ShellOpenCommand(system.ModuleFileName()));
}
