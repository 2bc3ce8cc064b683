// Launcher mode: the document named on the command line opens in the emulator when its
// companion exists beside it, in the viewer when only one of the two files exists.

#include "app/launcher_app.h"
#include "config/settings.h"
#include "launcher/document_names.h"
#include "launcher/launch_decision.h"

int CLauncherApp::RunLauncher() {
    if (m_lpCmdLine.empty()) return 0;

    System& system = GetSystem();
    std::string document = DocumentFromTail(m_lpCmdLine);
    // Both commands are read on every run, whether the run needs them or not.
    const std::string emulatorCommand = GetProfileString(kSetupSection, kEmulatorKey);
    const std::string viewerCommand = GetProfileString(kSetupSection, kViewerKey);
    // Lower-casing is only sound where file names ignore case: on Linux it names another file.
    if (system.FileNamesIgnoreCase()) document = LowerCaseAscii(document, system.LeadBytes());
    const DocumentPaths paths = ComposeDocumentPaths(document, system.Style(), system.LeadBytes());

    if (system.IsHandedBack(paths.document)) {
        AfxMessageBox(HandedBackMessage(paths.document));
        return 1;
    }
    const bool dataPresent = system.PathIsPresent(paths.data);
    const bool companionPresent = system.PathIsPresent(paths.companion);
    const LaunchDecision decision =
        DecideLaunch(paths, dataPresent, companionPresent, emulatorCommand, viewerCommand);
    if (decision.action == LaunchDecision::Action::kReport) {
        AfxMessageBox(decision.message);
    } else if (system.StartProgram(decision.command, decision.argument) < kStartedMinimum) {
        AfxMessageBox(kCouldNotStart + LaunchedCommandLine(decision.command, decision.argument));
    }
    return 1;
}
