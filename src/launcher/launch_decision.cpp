#include "launcher/launch_decision.h"

namespace {

LaunchDecision Report(std::string message) {
    LaunchDecision decision;
    decision.message = std::move(message);
    return decision;
}

LaunchDecision Start(const std::string& command, const std::string& argument,
                     const char* notDefinedMessage) {
    if (command.empty()) return Report(notDefinedMessage);
    LaunchDecision decision;
    decision.action = LaunchDecision::Action::kStart;
    decision.command = command;
    decision.argument = argument;
    return decision;
}

}  // namespace

LaunchDecision DecideLaunch(const DocumentPaths& paths, bool dataPresent, bool companionPresent,
                            const std::string& emulatorCommand, const std::string& viewerCommand) {
    if (dataPresent && companionPresent) return Start(emulatorCommand, paths.data, kEmulatorNotDefined);
    if (dataPresent) return Start(viewerCommand, paths.data, kViewerNotDefined);
    if (companionPresent) return Start(viewerCommand, paths.companion, kViewerNotDefined);
    return Report(kCannotFindFile + paths.document);
}

std::string HandedBackMessage(const std::string& document) {
    return "The program started for " + document +
           " handed it back, and opening it again would start it again and again."
           " Choose another viewer in the setup dialog.";
}
