#pragma once

// Our help engine's window on Windows: one top-level window that shows one topic of a help file
// (platform/common/help_file.h) in a read-only text field, titled with the topic's title.
// It has no owner, so it stays usable while a modal dialog disables the program's other windows.

#include <string>

#include "platform/ui.h"

class HelpWindow {
public:
    HelpWindow() = default;
    ~HelpWindow();
    HelpWindow(const HelpWindow&) = delete;
    HelpWindow& operator=(const HelpWindow&) = delete;

    // Reads `helpFile` and shows topic `topic`, replacing the topic already shown, and brings
    // the window to the front. False, with nothing changed, when the file cannot be read or has
    // no such topic, or the window cannot be created.
    bool ShowTopic(const std::string& helpFile, unsigned long topic);
    // Closes the window, if it is open.
    void Close();
    // The icon the window shows from now on: the program's own.
    void UseIcon(IconHandle icon) { m_icon = icon; }
    // The window while it is open, else null.
    WindowHandle Handle() const { return m_window; }

private:
    friend class HelpWindowProcedure;

    WindowHandle m_window = nullptr;
    IconHandle m_icon = nullptr;
};
