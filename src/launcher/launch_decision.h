#pragma once

// Choosing what to start for a document, and the messages the user sees when nothing starts.

#include <string>

#include "launcher/document_names.h"
#include "platform/launched_command_line.h"

inline constexpr char kCannotFindFile[] = "Cannot find file ";
inline constexpr char kEmulatorNotDefined[] = "Korvo path is not defined!";
inline constexpr char kViewerNotDefined[] = "Viewer path is not defined!";
inline constexpr char kCouldNotStart[] = "Could not start ";

struct LaunchDecision {
    enum class Action { kStart, kReport };
    Action action = Action::kReport;
    std::string command;   // kStart: the emulator or viewer command, exactly as stored
    std::string argument;  // kStart: the path the program receives
    std::string message;   // kReport: what the user is told
};

// Both files present: the emulator on the data path. Exactly one: the viewer on the one that is
// present (a file that exists, even when only the companion does). Neither: "Cannot find file "
// and the document path. Only the chosen command is examined, and only an empty one (no
// characters at all; blanks count as set) is reported as not defined.
LaunchDecision DecideLaunch(const DocumentPaths& paths, bool dataPresent, bool companionPresent,
                            const std::string& emulatorCommand, const std::string& viewerCommand);

// The message for a document that the program korvlink started handed back to it.
std::string HandedBackMessage(const std::string& document);
