#pragma once

// The user-interface services korvlink uses, one interface for every platform.
// Backends: the Windows API (win32/), GTK 3 loaded on first need (gtk/, through posix/), a
// standard-error fallback (posix/) and a scripted model for tests (headless/).
// Everything runs on the process's one thread; modal loops nest.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/dialog_template.h"

// An opaque window of the backend; null means "no window".
using WindowHandle = void*;
// An opaque icon of the backend; it belongs to the backend and is never released by its user.
using IconHandle = const void*;

struct Size {
    int width = 0;
    int height = 0;
};

// A dialog window while it exists, as the framework sees it. Control ids are the template's.
class DialogHost {
public:
    virtual ~DialogHost() = default;

    virtual WindowHandle Handle() const = 0;

    // --- Controls --------------------------------------------------------------------------
    // The whole text of an edit, or of a combo box's field.
    virtual std::string GetItemText(int id) const = 0;
    virtual void SetItemText(int id, const std::string& text) = 0;
    virtual void ShowItem(int id, bool show) = 0;
    // CB_FINDSTRING: the index of the first list entry after `startAfter` (-1: from the first)
    // that begins with `text`, ignoring letter case; -1 when none does or `text` is empty.
    virtual int ComboFindString(int id, int startAfter, const std::string& text) const = 0;
    // CB_ADDSTRING: adds `text` (in its sorted place when the list is sorted) and returns its
    // index, or a negative value when the list refuses it.
    virtual int ComboAddString(int id, const std::string& text) = 0;
    // CB_SETCURSEL: selects the entry, whose text the field then shows. Returns the index or -1.
    virtual int ComboSetCurSel(int id, int index) = 0;

    // --- Window ----------------------------------------------------------------------------
    virtual bool HasSystemMenu() const = 0;
    // Appends an item to the window menu: a separator for MF_SEPARATOR, else `text` as command
    // `commandId`, which arrives as WM_SYSCOMMAND. Returns false when nothing was added.
    virtual bool AppendSystemMenuItem(unsigned flags, unsigned commandId, const std::string& text) = 0;
    virtual void SetIcon(IconHandle icon, bool large) = 0;
    virtual bool IsIconic() const = 0;
    virtual Size ClientSize() const = 0;
    // The platform's standard icon size (SM_CXICON, SM_CYICON).
    virtual Size IconMetrics() const = 0;
    // While painting: erase the background of the minimised window, then draw an icon.
    virtual void EraseIconBackground() = 0;
    virtual void DrawIcon(int x, int y, IconHandle icon) = 0;
    // Ends the modal loop with `result` once the current message has been handled.
    virtual void EndDialog(int result) = 0;
};

// What a running dialog hears from its backend. The framework's CDialog implements it.
class DialogEvents {
public:
    virtual ~DialogEvents() = default;

    // WM_INITDIALOG: the window and its controls exist but are not shown. Returns true when the
    // backend is to give the focus to the first tab stop.
    virtual bool OnDialogCreated(DialogHost& host) = 0;
    // Any later message: WM_COMMAND with the control id in wParam (a button click; IDOK for Enter,
    // IDCANCEL for Escape or Close, ID_HELP for F1 without Shift, Ctrl or Alt), WM_SYSCOMMAND with
    // the command in wParam, WM_PAINT, WM_QUERYDRAGICON, and last WM_DESTROY while the controls
    // still hold their texts. Returns false when the backend is to do its default processing
    // (for WM_SYSCOMMAND SC_CLOSE that is WM_COMMAND IDCANCEL).
    virtual bool OnDialogMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                                 std::intptr_t* result) = 0;
};

// What the file-open dialog is asked to show.
struct FileDialogRequest {
    std::string title;             // empty: the platform's own
    std::string initialName;       // the file name it starts with
    std::string defaultExtension;  // added to a typed name without one, where the platform does that
    unsigned long flags = 0;       // OFN_* values
    // Display name and pattern ("*.exe", "*.*"), the first one selected.
    std::vector<std::pair<std::string, std::string>> filters;
};

class Ui {
public:
    virtual ~Ui() = default;

    // --- Messages ---------------------------------------------------------------------------
    // Shows a modal message box owned by `owner` (none when null) with `text`, the caption
    // `caption` and the buttons and icon of `type` (MB_* values; the caller has chosen the
    // icon already). Returns the id of the button that closed it (IDOK for a box that could
    // only be acknowledged).
    virtual int ShowMessageBox(WindowHandle owner, const std::string& text,
                               const std::string& caption, unsigned type) = 0;

    // --- Dialogs ----------------------------------------------------------------------------
    // Creates the dialog `dialog` owned by `owner`, tells `events` what happens in it, and runs it
    // modally, the owner disabled meanwhile. Returns the result given to EndDialog, after the
    // window has been destroyed, or -1 when it could not be created.
    virtual int RunModalDialog(const DialogTemplate& dialog, DialogEvents& events, WindowHandle owner) = 0;
    // Runs the file-open dialog; the chosen file's full path, or nothing when the user cancelled
    // or the dialog could not be shown.
    virtual std::optional<std::string> RunOpenFileDialog(const FileDialogRequest& request,
                                                         WindowHandle owner) = 0;
    // The icon `icon` at the platform's standard large size.
    virtual IconHandle LoadAppIcon(const IconArt& icon) = 0;

    // --- Help -------------------------------------------------------------------------------
    // HELP_CONTEXT shows topic `topic` of `helpFile` in the help engine's window (a second
    // request replaces the topic); HELP_QUIT tells the engine the program no longer needs the
    // file, and it closes its window. Returns false when the engine failed (no such file or topic).
    virtual bool ShowHelp(WindowHandle owner, const std::string& helpFile, unsigned command,
                          unsigned long topic) = 0;
};
