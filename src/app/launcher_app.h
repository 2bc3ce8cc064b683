#pragma once

// The application object: with a document on the command line it opens it (launcher mode) and
// ends; without one it runs the setup dialog (setup mode) and ends.

#include "platform/framework.h"

class CLauncherApp : public CWinApp {
public:
    // Runs launcher mode or setup mode; always false, so the process ends right after.
    bool InitInstance() override;
    int ExitInstance() override { return m_exitCode; }

    // Launcher mode. Returns 0 for an empty command-line tail (nothing done: setup mode follows),
    // else opens the document or reports why it cannot, and returns 1.
    int RunLauncher();

    // Makes this executable the shell's open command for documents of no known type.
    // Reports nothing: a key that cannot be written leaves things as they were.
    void InstallUnknownHandler();

private:
    int m_exitCode = 0;
};
