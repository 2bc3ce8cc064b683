#pragma once

// The GTK 3 user interface: dialogs drawn from their templates, message boxes, the file chooser
// and the help engine's window. It lives in the module libkorvlink-gtk.so, which the program
// loads only when it needs a window.

#include <gtk/gtk.h>

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "platform/gtk/gobject_ptr.h"
#include "platform/ui.h"

class HelpWindow;

class GtkUi : public Ui {
public:
    GtkUi();
    ~GtkUi() override;

    int ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                       unsigned type) override;
    int RunModalDialog(const DialogTemplate& dialog, DialogEvents& events, WindowHandle owner) override;
    std::optional<std::string> RunOpenFileDialog(const FileDialogRequest& request, WindowHandle owner) override;
    // The icon's 32 x 32 image, a GdkPixbuf that this Ui owns.
    IconHandle LoadAppIcon(const IconArt& icon) override;
    bool ShowHelp(WindowHandle owner, const std::string& helpFile, unsigned command,
                  unsigned long topic) override;

    // The icon's image of `size` pixels (scaled from the nearest larger one when the art has no
    // such size), owned by this Ui.
    GdkPixbuf* IconPixbuf(const IconArt& icon, int size);
    // The art an icon handle of LoadAppIcon was made from, or null.
    const IconArt* ArtOf(IconHandle icon) const;

private:
    std::map<std::pair<int, int>, GObjectPtr<GdkPixbuf>> m_images;  // (icon id, size)
    std::map<IconHandle, const IconArt*> m_arts;
    std::unique_ptr<HelpWindow> m_help;
    GObjectPtr<GtkCssProvider> m_css;
};

// While a modal window is open its owner takes no input, as Windows disables the owner; when
// the modal window goes, the owner is enabled again and takes the focus back.
class DisabledOwner {
public:
    explicit DisabledOwner(GtkWindow* owner);
    ~DisabledOwner() { Restore(); }
    DisabledOwner(const DisabledOwner&) = delete;
    DisabledOwner& operator=(const DisabledOwner&) = delete;
    void Restore();

private:
    GtkWindow* m_owner;  // null when there is none, or it was disabled already
};

// GTK: texts must be UTF-8. Bytes that are not are shown as replacement characters.
std::string ShownText(const std::string& bytes);

// A window title bar of our own (a header bar with the caption and a close button), so that
// every korvlink window shows its caption the same way under any window manager.
GtkWidget* NewTitleBar(const std::string& caption);

// The style class of a dialog's control area, which our style sheet sizes as Windows does.
inline constexpr char kControlAreaClass[] = "korvlink-controls";
