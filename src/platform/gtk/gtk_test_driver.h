#pragma once

// Test-only: drives the GTK user interface of this process from a test's own thread while the
// program's thread runs its dialogs, finding windows by title and controls by template id.
// Every call is carried out on the GTK thread between two events, as a user's action would be.
// Questions wait for their answer; actions do not wait for what they start, since a button may
// open a modal loop of its own. Asked on the GTK thread itself, between runs of the program,
// questions are answered at once. Nothing here is part of the program.

#include <functional>
#include <string>
#include <vector>

class GtkTestDriver {
public:
    // Made on the thread that runs GTK (the program's).
    GtkTestDriver();

    // Asks `ready` until it says true (true), or a few seconds have passed (false).
    static bool WaitUntil(const std::function<bool()>& ready);

    // --- Windows -------------------------------------------------------------------------------
    // Waits, at most a few seconds, until a shown window has the title (true) or none has (false).
    bool WaitForWindow(const std::string& title) const;
    bool WaitForNoWindow(const std::string& title) const;

    struct WindowState {
        bool shown = false;
        bool sensitive = false;
        bool resizable = false;
        bool modal = false;
        bool skipTaskbar = false;
        std::string ownerTitle;  // the window it is transient for
        int x = 0, y = 0, width = 0, height = 0;  // its frame on the screen
    };
    WindowState Window(const std::string& title) const;
    // The screen's size.
    WindowState Screen() const;
    // Draws the window as it shows now into a PNG file.
    bool Screenshot(const std::string& title, const std::string& pngPath) const;

    // --- Input ---------------------------------------------------------------------------------
    // A key pressed in the window, a GDK key name ("Return", "Tab", "F1", "space", "a") with
    // modifiers among "shift", "ctrl" and "alt" ("alt+shift").
    void PressKey(const std::string& title, const std::string& key, const std::string& modifiers = "") const;
    // The title bar's close button.
    void Close(const std::string& title) const;

    // --- Controls of a dialog, by template id -------------------------------------------------
    std::string Text(const std::string& title, int id) const;
    bool Visible(const std::string& title, int id) const;
    std::vector<std::string> ListItems(const std::string& title, int id) const;
    // The id of the control that holds the focus, 0 when none does.
    int FocusedControl(const std::string& title) const;
    // Geometry in the window's control area, for checking the layout.
    struct Rect {
        int x = 0, y = 0, width = 0, height = 0;
    };
    Rect ControlRect(const std::string& title, int id) const;
    // Replaces a field's text, as typing it would.
    void Type(const std::string& title, int id, const std::string& text) const;
    void Click(const std::string& title, int id) const;

    // --- The window menu ------------------------------------------------------------------------
    // The labels of its items as GTK shows them, "-" for a separator; empty when there is none.
    std::vector<std::string> MenuItems(const std::string& title) const;
    bool MenuShown(const std::string& title) const;
    void ClickMenuButton(const std::string& title) const;
    // A key pressed in the open menu.
    void PressMenuKey(const std::string& title, const std::string& key) const;

    // --- Message boxes ---------------------------------------------------------------------------
    struct MessageBoxState {
        std::string text;
        std::string iconName;
        std::vector<std::string> buttons;
        std::string ownerTitle;
    };
    MessageBoxState MessageBox(const std::string& title) const;

    // --- The file chooser ------------------------------------------------------------------------
    struct FileChooserState {
        std::vector<std::string> filters;
        std::string currentFilter;
        std::string selected;  // the file selected now
    };
    FileChooserState FileChooser(const std::string& title) const;
    // Whether the filter of that name shows the file.
    bool FilterShows(const std::string& title, const std::string& filterName, const std::string& path) const;
    // Selects the file and presses Open, once the chooser has it selected.
    bool ChooseFile(const std::string& title, const std::string& path) const;

    // --- The help window -------------------------------------------------------------------------
    std::string HelpText(const std::string& title) const;

    // Closes whatever is still open (message boxes, choosers, dialogs, help), for a test that
    // failed with windows left open.
    void DismissEverything() const;
};
