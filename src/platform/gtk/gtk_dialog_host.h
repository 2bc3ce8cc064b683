#pragma once

// One dialog on screen: its template drawn as GTK widgets in a GtkLayout, placed by converting
// dialog units with the dialog font's metrics, run modally in a nested main loop. It behaves as
// a Windows dialog does: Tab walks the template's tab stops, Enter presses the default button,
// Escape cancels, F1 asks for help, and the window menu opens from the title bar or Alt+Space.

#include <gtk/gtk.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/common/combo_list.h"
#include "platform/gtk/dialog_units.h"
#include "platform/ui.h"

class GtkUi;

class GtkDialogHost : public DialogHost {
public:
    GtkDialogHost(GtkUi& ui, const DialogTemplate& dialog, DialogEvents& events, GtkWindow* owner);
    ~GtkDialogHost() override;
    GtkDialogHost(const GtkDialogHost&) = delete;
    GtkDialogHost& operator=(const GtkDialogHost&) = delete;

    // Creates the window, runs it until EndDialog and destroys it; the result given to EndDialog.
    int Run();

    // --- DialogHost ----------------------------------------------------------------------------
    WindowHandle Handle() const override { return m_window; }
    std::string GetItemText(int id) const override;
    void SetItemText(int id, const std::string& text) override;
    void ShowItem(int id, bool show) override;
    int ComboFindString(int id, int startAfter, const std::string& text) const override;
    int ComboAddString(int id, const std::string& text) override;
    int ComboSetCurSel(int id, int index) override;
    bool HasSystemMenu() const override;
    bool AppendSystemMenuItem(unsigned flags, unsigned commandId, const std::string& text) override;
    void SetIcon(IconHandle icon, bool large) override;
    bool IsIconic() const override { return m_iconic; }
    Size ClientSize() const override;
    Size IconMetrics() const override { return {32, 32}; }
    // GTK: the desktop draws a minimised window, so no WM_PAINT reaches the dialog and nothing
    // asks for these.
    void EraseIconBackground() override {}
    void DrawIcon(int, int, IconHandle) override {}
    void EndDialog(int result) override;

private:
    struct Control {
        const ControlTemplate* control;
        GtkWidget* widget;        // what is placed in the dialog
        GtkWidget* focusWidget;   // what takes the focus: the widget, or a combo box's field
        std::optional<ComboList> list;  // combo boxes: the list, kept by Windows' rules
        std::string text;         // controls that do not edit their text: the text set last
    };

    void CreateWindow();
    void CreateControls();
    DialogBaseUnits MeasureDialogFont() const;
    GtkWidget* CreateWidget(const ControlTemplate& control, const DialogRect& pixels, GtkWidget** focusWidget);
    void CreateSystemMenu();

    Control* Find(int id);
    const Control* Find(int id) const;
    // The control that `widget` is, or is part of; null for none.
    const Control* ControlOf(GtkWidget* widget) const;

    // A message from the user to the dialog, then the platform's default processing.
    void Send(unsigned message, std::uintptr_t wParam);
    bool OnKey(const GdkEventKey& key);
    void MoveFocus(bool forward);
    bool CanTakeFocus(const Control& control) const;
    void OpenSystemMenu();

    static gboolean OnKeyPress(GtkWidget*, GdkEventKey* event, gpointer self);
    static gboolean OnDelete(GtkWidget*, GdkEvent*, gpointer self);
    static gboolean OnWindowState(GtkWidget*, GdkEventWindowState* event, gpointer self);
    static void OnClicked(GtkButton* button, gpointer self);
    static void OnMenuItem(GtkMenuItem* item, gpointer self);

    GtkUi& m_ui;
    const DialogTemplate& m_template;
    DialogEvents& m_events;
    GtkWindow* m_owner;

    GtkWidget* m_window = nullptr;
    GtkWidget* m_titleBar = nullptr;
    GtkWidget* m_controlArea = nullptr;
    GtkWidget* m_menuButton = nullptr;
    GtkWidget* m_menu = nullptr;
    std::vector<Control> m_controls;  // in template order, which is the tab order

    GMainLoop* m_loop = nullptr;
    std::optional<int> m_result;
    bool m_iconic = false;
};
