#pragma once

// The help engine's window: one topic of the help file at a time, in a window of its own that
// stays usable while a modal dialog runs.

#include <gtk/gtk.h>

#include <string>

#include "platform/gtk/gobject_ptr.h"

class HelpWindow {
public:
    HelpWindow();
    ~HelpWindow();
    HelpWindow(const HelpWindow&) = delete;
    HelpWindow& operator=(const HelpWindow&) = delete;

    // Shows topic `topic` of `helpFile`, replacing the topic shown. False when the file cannot be
    // read or has no such topic.
    bool Show(const std::string& helpFile, unsigned long topic);
    void Close();

private:
    static void OnDestroy(GtkWidget*, gpointer self);
    // Escape closes the window.
    static gboolean OnKeyPress(GtkWidget* window, GdkEventKey* event, gpointer);

    // A group of its own, so that modal dialogs of the program do not block it.
    GObjectPtr<GtkWindowGroup> m_group;
    GtkWidget* m_window = nullptr;
    GtkWidget* m_text = nullptr;
};
