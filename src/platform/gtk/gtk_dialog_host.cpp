#include "platform/gtk/gtk_dialog_host.h"

#include "platform/gtk/gtk_ui.h"
#include "platform/gtk/gtk_widget_data.h"
#include "platform/gtk/label_text.h"
#include "platform/win_constants.h"

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

bool IsButton(const ControlTemplate& control) { return control.kind == ControlKind::kPushButton; }

// A label showing a Windows control text: '&' marks a mnemonic unless the style says otherwise.
GtkWidget* NewLabel(const std::string& text, bool mnemonic) {
    return mnemonic ? gtk_label_new_with_mnemonic(ShownText(GtkMnemonicText(text)).c_str())
                    : gtk_label_new(ShownText(text).c_str());
}

void SetLabelText(GtkLabel* label, const std::string& text, bool mnemonic) {
    if (mnemonic) {
        gtk_label_set_text_with_mnemonic(label, ShownText(GtkMnemonicText(text)).c_str());
    } else {
        gtk_label_set_text(label, ShownText(text).c_str());
    }
}

bool HasMnemonic(const ControlTemplate& control) { return (control.style & SS_NOPREFIX) == 0; }

}  // namespace

GtkDialogHost::GtkDialogHost(GtkUi& ui, const DialogTemplate& dialog, DialogEvents& events, GtkWindow* owner)
    : m_ui(ui), m_template(dialog), m_events(events), m_owner(owner) {}

GtkDialogHost::~GtkDialogHost() {
    if (m_window != nullptr) gtk_widget_destroy(m_window);
}

int GtkDialogHost::Run() {
    CreateWindow();
    CreateControls();
    // The owner takes no input from the moment the dialog exists, as with Windows' DialogBox.
    DisabledOwner disabledOwner(m_owner);

    if (m_events.OnDialogCreated(*this)) {
        for (const Control& control : m_controls) {
            if (CanTakeFocus(control)) {
                gtk_widget_grab_focus(control.focusWidget);
                break;
            }
        }
    }
    if (!m_result) {
        gtk_widget_show(m_window);
        gtk_window_present(GTK_WINDOW(m_window));
        m_loop = g_main_loop_new(nullptr, FALSE);
        g_main_loop_run(m_loop);
        g_main_loop_unref(m_loop);
        m_loop = nullptr;
    }
    // Hidden first and the owner enabled, so that the owner takes the focus back; the controls
    // still hold their texts when the dialog hears WM_DESTROY.
    gtk_widget_hide(m_window);
    disabledOwner.Restore();
    std::intptr_t ignored = 0;
    m_events.OnDialogMessage(WM_DESTROY, 0, 0, &ignored);
    gtk_widget_destroy(m_window);
    m_window = nullptr;
    return *m_result;
}

void GtkDialogHost::CreateWindow() {
    m_window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    GtkWindow* window = GTK_WINDOW(m_window);
    gtk_window_set_title(window, ShownText(m_template.caption).c_str());
    // A modal dialog frame: fixed size, no minimise or maximise box.
    gtk_window_set_resizable(window, FALSE);
    gtk_window_set_modal(window, TRUE);
    if (m_owner != nullptr) gtk_window_set_transient_for(window, m_owner);
    // Centred on the screen when it has no owner, else on the owner (and kept on the screen).
    gtk_window_set_position(window, m_owner != nullptr ? GTK_WIN_POS_CENTER_ON_PARENT : GTK_WIN_POS_CENTER);
    const bool appWindow = (m_template.exStyle & WS_EX_APPWINDOW) != 0;
    gtk_window_set_skip_taskbar_hint(window, !appWindow);
    gtk_window_set_type_hint(window, appWindow ? GDK_WINDOW_TYPE_HINT_NORMAL : GDK_WINDOW_TYPE_HINT_DIALOG);

    m_titleBar = NewTitleBar(m_template.caption);
    gtk_window_set_titlebar(window, m_titleBar);

    // GTK: a GtkLayout, not a GtkFixed: a GtkFixed sizes itself from its children, and a wrapping
    // label asks for the height it would need at its narrowest, so the dialog would grow.
    m_controlArea = gtk_layout_new(nullptr, nullptr);
    gtk_style_context_add_class(gtk_widget_get_style_context(m_controlArea), kControlAreaClass);
    gtk_container_add(GTK_CONTAINER(m_window), m_controlArea);
    gtk_widget_show(m_controlArea);

    g_signal_connect(m_window, "key-press-event", G_CALLBACK(OnKeyPress), this);
    g_signal_connect(m_window, "delete-event", G_CALLBACK(OnDelete), this);
    g_signal_connect(m_window, "window-state-event", G_CALLBACK(OnWindowState), this);
}

DialogBaseUnits GtkDialogHost::MeasureDialogFont() const {
    // GTK: the template's font does not exist here; the dialog uses the desktop's UI font, and
    // its units follow that font as Windows' follow the template's.
    PangoLayout* layout = gtk_widget_create_pango_layout(m_controlArea, kAlphabet);
    int width = 0, height = 0;
    pango_layout_get_pixel_size(layout, &width, &height);
    PangoContext* context = pango_layout_get_context(layout);
    PangoFontMetrics* metrics =
        pango_context_get_metrics(context, pango_context_get_font_description(context), nullptr);
    const int fontHeight =
        PANGO_PIXELS_CEIL(pango_font_metrics_get_ascent(metrics) + pango_font_metrics_get_descent(metrics));
    pango_font_metrics_unref(metrics);
    g_object_unref(layout);
    return {AverageCharWidth(width), fontHeight > 0 ? fontHeight : height};
}

void GtkDialogHost::CreateControls() {
    const DialogBaseUnits base = MeasureDialogFont();
    const DialogRect client = DialogUnitsToPixels(m_template.rect, base);
    gtk_widget_set_size_request(m_controlArea, client.width, client.height);
    gtk_layout_set_size(GTK_LAYOUT(m_controlArea), static_cast<guint>(client.width), static_cast<guint>(client.height));

    m_controls.reserve(m_template.controls.size());
    for (const ControlTemplate& control : m_template.controls) {
        const DialogRect pixels = DialogUnitsToPixels(control.rect, base);
        GtkWidget* focusWidget = nullptr;
        GtkWidget* widget = CreateWidget(control, pixels, &focusWidget);
        g_object_set_data(G_OBJECT(widget), kControlIdKey, GINT_TO_POINTER(control.id));
        gtk_layout_put(GTK_LAYOUT(m_controlArea), widget, pixels.x, pixels.y);
        gtk_widget_show(widget);
        Control model{&control, widget, focusWidget, std::nullopt, control.text};
        if (control.kind == ControlKind::kComboBox) model.list.emplace((control.style & CBS_SORT) != 0);
        m_controls.push_back(std::move(model));
    }

    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        const Control& model = m_controls[i];
        if (IsButton(*model.control) && (model.control->style & BS_DEFPUSHBUTTON) != 0) {
            gtk_widget_set_can_default(model.widget, TRUE);
            gtk_widget_grab_default(model.widget);
            // GTK: themes mark the button Enter presses as the suggested action.
            gtk_style_context_add_class(gtk_widget_get_style_context(model.widget), GTK_STYLE_CLASS_SUGGESTED_ACTION);
        }
        // A static text's mnemonic moves to the next control that takes the focus, as on Windows.
        if (model.control->kind == ControlKind::kStaticText && HasMnemonic(*model.control)) {
            for (std::size_t next = i + 1; next < m_controls.size(); ++next) {
                if ((m_controls[next].control->style & WS_TABSTOP) != 0) {
                    gtk_label_set_mnemonic_widget(GTK_LABEL(model.widget), m_controls[next].focusWidget);
                    break;
                }
            }
        }
    }
}

GtkWidget* GtkDialogHost::CreateWidget(const ControlTemplate& control, const DialogRect& pixels,
                                       GtkWidget** focusWidget) {
    const bool tabStop = (control.style & WS_TABSTOP) != 0;
    GtkWidget* widget = nullptr;
    switch (control.kind) {
        case ControlKind::kEdit:
            widget = gtk_entry_new();
            gtk_entry_set_has_frame(GTK_ENTRY(widget), (control.style & WS_BORDER) != 0);
            // Its width is the template's, not a number of characters.
            gtk_entry_set_width_chars(GTK_ENTRY(widget), 1);
            gtk_entry_set_text(GTK_ENTRY(widget), ShownText(control.text).c_str());
            gtk_widget_set_size_request(widget, pixels.width, pixels.height);
            break;
        case ControlKind::kPushButton:
            widget = gtk_button_new_with_mnemonic(ShownText(GtkMnemonicText(control.text)).c_str());
            gtk_widget_set_size_request(widget, pixels.width, pixels.height);
            g_signal_connect(widget, "clicked", G_CALLBACK(OnClicked), this);
            break;
        case ControlKind::kGroupBox:
            widget = gtk_frame_new(nullptr);
            gtk_frame_set_label_widget(GTK_FRAME(widget), NewLabel(control.text, true));
            gtk_widget_show(gtk_frame_get_label_widget(GTK_FRAME(widget)));
            gtk_widget_set_size_request(widget, pixels.width, pixels.height);
            break;
        case ControlKind::kStaticText:
            widget = NewLabel(control.text, HasMnemonic(control));
            gtk_label_set_line_wrap(GTK_LABEL(widget), TRUE);
            gtk_label_set_line_wrap_mode(GTK_LABEL(widget), PANGO_WRAP_WORD_CHAR);
            gtk_label_set_xalign(GTK_LABEL(widget), 0.0f);
            gtk_label_set_yalign(GTK_LABEL(widget), 0.0f);
            // Wrapped at the template's width, whatever its natural width would be.
            gtk_label_set_max_width_chars(GTK_LABEL(widget), 1);
            gtk_widget_set_size_request(widget, pixels.width, pixels.height);
            break;
        case ControlKind::kStaticIcon:
            // An icon control takes the size of its icon, as on Windows.
            widget = control.icon != nullptr ? gtk_image_new_from_pixbuf(m_ui.IconPixbuf(*control.icon, 32))
                                             : gtk_image_new();
            break;
        case ControlKind::kStaticFrame:
            widget = gtk_separator_new(GTK_ORIENTATION_HORIZONTAL);
            gtk_widget_set_size_request(widget, pixels.width, -1);
            break;
        case ControlKind::kComboBox: {
            widget = gtk_combo_box_text_new_with_entry();
            GtkWidget* entry = gtk_bin_get_child(GTK_BIN(widget));
            gtk_entry_set_width_chars(GTK_ENTRY(entry), 1);
            // The template's height includes the drop-down list; the field is as high as the
            // font makes it.
            gtk_widget_set_size_request(widget, pixels.width, -1);
            // Only the field is a tab stop, not the button that opens the list.
            gtk_container_forall(GTK_CONTAINER(widget),
                                 [](GtkWidget* child, gpointer) {
                                     if (GTK_IS_TOGGLE_BUTTON(child)) gtk_widget_set_can_focus(child, FALSE);
                                 },
                                 nullptr);
            gtk_widget_set_can_focus(entry, tabStop);
            *focusWidget = entry;
            return widget;
        }
    }
    // Only tab stops take the focus, so nothing else sits between them.
    gtk_widget_set_can_focus(widget, tabStop);
    *focusWidget = widget;
    return widget;
}

void GtkDialogHost::CreateSystemMenu() {
    m_menu = gtk_menu_new();
    // The window menu always offers Close, as Windows' system menu does; items appended by the
    // dialog follow it.
    GtkWidget* close = gtk_menu_item_new_with_mnemonic("_Close");
    g_object_set_data(G_OBJECT(close), kSystemCommandKey, GUINT_TO_POINTER(SC_CLOSE));
    g_signal_connect(close, "activate", G_CALLBACK(OnMenuItem), this);
    gtk_widget_show(close);
    gtk_menu_shell_append(GTK_MENU_SHELL(m_menu), close);

    // GTK: window managers offer no application entries in the window menu, so the menu opens
    // from a button at the start of our title bar, where Windows shows the window icon.
    m_menuButton = gtk_menu_button_new();
    gtk_menu_button_set_popup(GTK_MENU_BUTTON(m_menuButton), m_menu);
    gtk_button_set_image(GTK_BUTTON(m_menuButton),
                         gtk_image_new_from_icon_name("open-menu-symbolic", GTK_ICON_SIZE_MENU));
    gtk_widget_set_can_focus(m_menuButton, FALSE);
    gtk_widget_set_tooltip_text(m_menuButton, "Window menu (Alt+Space)");
    gtk_header_bar_pack_start(GTK_HEADER_BAR(m_titleBar), m_menuButton);
    gtk_widget_show(m_menuButton);
    g_object_set_data(G_OBJECT(m_window), kSystemMenuKey, m_menu);
}

// --- DialogHost ----------------------------------------------------------------------------------

GtkDialogHost::Control* GtkDialogHost::Find(int id) {
    for (Control& control : m_controls) {
        if (control.control->id == id) return &control;
    }
    return nullptr;
}

const GtkDialogHost::Control* GtkDialogHost::Find(int id) const {
    return const_cast<GtkDialogHost*>(this)->Find(id);
}

const GtkDialogHost::Control* GtkDialogHost::ControlOf(GtkWidget* widget) const {
    for (; widget != nullptr; widget = gtk_widget_get_parent(widget)) {
        for (const Control& control : m_controls) {
            if (control.widget == widget) return &control;
        }
    }
    return nullptr;
}

std::string GtkDialogHost::GetItemText(int id) const {
    const Control* control = Find(id);
    if (control == nullptr) return std::string();
    if (GTK_IS_ENTRY(control->focusWidget)) return gtk_entry_get_text(GTK_ENTRY(control->focusWidget));
    return control->text;
}

void GtkDialogHost::SetItemText(int id, const std::string& text) {
    Control* control = Find(id);
    if (control == nullptr) return;
    control->text = text;
    switch (control->control->kind) {
        case ControlKind::kEdit:
        case ControlKind::kComboBox:
            gtk_entry_set_text(GTK_ENTRY(control->focusWidget), ShownText(text).c_str());
            break;
        case ControlKind::kPushButton:
            gtk_button_set_label(GTK_BUTTON(control->widget), ShownText(GtkMnemonicText(text)).c_str());
            break;
        case ControlKind::kGroupBox:
            SetLabelText(GTK_LABEL(gtk_frame_get_label_widget(GTK_FRAME(control->widget))), text, true);
            break;
        case ControlKind::kStaticText:
            SetLabelText(GTK_LABEL(control->widget), text, HasMnemonic(*control->control));
            break;
        case ControlKind::kStaticIcon:
        case ControlKind::kStaticFrame:
            break;
    }
}

void GtkDialogHost::ShowItem(int id, bool show) {
    if (Control* control = Find(id)) gtk_widget_set_visible(control->widget, show);
}

int GtkDialogHost::ComboFindString(int id, int startAfter, const std::string& text) const {
    const Control* control = Find(id);
    return control != nullptr && control->list ? control->list->FindPrefix(startAfter, text) : -1;
}

int GtkDialogHost::ComboAddString(int id, const std::string& text) {
    Control* control = Find(id);
    if (control == nullptr || !control->list) return -1;
    // The list keeps Windows' order; the widget shows the same entries at the same places.
    const int index = control->list->Add(text);
    gtk_combo_box_text_insert_text(GTK_COMBO_BOX_TEXT(control->widget), index, ShownText(text).c_str());
    return index;
}

int GtkDialogHost::ComboSetCurSel(int id, int index) {
    Control* control = Find(id);
    if (control == nullptr || !control->list) return -1;
    if (index < 0 || index >= control->list->Count()) {
        gtk_combo_box_set_active(GTK_COMBO_BOX(control->widget), -1);
        return -1;
    }
    // The field then shows the entry's whole text.
    gtk_combo_box_set_active(GTK_COMBO_BOX(control->widget), index);
    return index;
}

bool GtkDialogHost::HasSystemMenu() const { return (m_template.style & WS_SYSMENU) != 0; }

bool GtkDialogHost::AppendSystemMenuItem(unsigned flags, unsigned commandId, const std::string& text) {
    if (!HasSystemMenu()) return false;
    if (m_menu == nullptr) CreateSystemMenu();
    GtkWidget* item = nullptr;
    if ((flags & MF_SEPARATOR) != 0) {
        item = gtk_separator_menu_item_new();
    } else {
        item = gtk_menu_item_new_with_mnemonic(ShownText(GtkMnemonicText(text)).c_str());
        g_object_set_data(G_OBJECT(item), kSystemCommandKey, GUINT_TO_POINTER(commandId));
        g_signal_connect(item, "activate", G_CALLBACK(OnMenuItem), this);
    }
    gtk_widget_show(item);
    gtk_menu_shell_append(GTK_MENU_SHELL(m_menu), item);
    return true;
}

void GtkDialogHost::SetIcon(IconHandle icon, bool large) {
    const IconArt* art = m_ui.ArtOf(icon);
    if (art == nullptr) return;
    // The desktop picks the size it needs from the list.
    GList* images = nullptr;
    images = g_list_append(images, m_ui.IconPixbuf(*art, 32));
    images = g_list_append(images, m_ui.IconPixbuf(*art, 16));
    gtk_window_set_icon_list(GTK_WINDOW(m_window), images);
    g_list_free(images);
    // The small icon opens the window menu, as it does in a Windows title bar.
    if (!large && m_menuButton != nullptr) {
        gtk_button_set_image(GTK_BUTTON(m_menuButton), gtk_image_new_from_pixbuf(m_ui.IconPixbuf(*art, 16)));
    }
}

Size GtkDialogHost::ClientSize() const {
    GtkAllocation allocation;
    gtk_widget_get_allocation(m_controlArea, &allocation);
    return {allocation.width, allocation.height};
}

void GtkDialogHost::EndDialog(int result) {
    if (!m_result) m_result = result;
    if (m_loop != nullptr) g_main_loop_quit(m_loop);
}

// --- Input ---------------------------------------------------------------------------------------

void GtkDialogHost::Send(unsigned message, std::uintptr_t wParam) {
    // A dialog that has ended takes no more input.
    if (m_result) return;
    std::intptr_t result = 0;
    if (m_events.OnDialogMessage(message, wParam, 0, &result)) return;
    // The platform's default processing.
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) Send(WM_COMMAND, IDCANCEL);
}

bool GtkDialogHost::CanTakeFocus(const Control& control) const {
    // The control's own flags: before the window is shown, no widget counts as visible.
    return (control.control->style & WS_TABSTOP) != 0 && gtk_widget_get_visible(control.widget) &&
           gtk_widget_get_sensitive(control.widget);
}

void GtkDialogHost::MoveFocus(bool forward) {
    const int count = static_cast<int>(m_controls.size());
    const Control* current = ControlOf(gtk_window_get_focus(GTK_WINDOW(m_window)));
    int at = current != nullptr ? static_cast<int>(current - m_controls.data()) : (forward ? -1 : count);
    for (int step = 0; step < count; ++step) {
        at = (at + (forward ? 1 : -1) + count) % count;
        if (CanTakeFocus(m_controls[static_cast<std::size_t>(at)])) {
            gtk_widget_grab_focus(m_controls[static_cast<std::size_t>(at)].focusWidget);
            return;
        }
    }
}

void GtkDialogHost::OpenSystemMenu() {
    if (m_menuButton == nullptr) return;
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(m_menuButton), TRUE);
    gtk_menu_shell_select_first(GTK_MENU_SHELL(m_menu), FALSE);
}

bool GtkDialogHost::OnKey(const GdkEventKey& key) {
    const guint modifiers = key.state & (GDK_SHIFT_MASK | GDK_CONTROL_MASK | GDK_MOD1_MASK);
    switch (key.keyval) {
        case GDK_KEY_Escape:
            Send(WM_COMMAND, IDCANCEL);
            return true;
        case GDK_KEY_F1:
            // F1 with Shift, Ctrl or Alt does nothing (GTK would toggle tooltips on Ctrl+F1).
            if (modifiers == 0) Send(WM_COMMAND, ID_HELP);
            return true;
        case GDK_KEY_Return:
        case GDK_KEY_KP_Enter:
        case GDK_KEY_ISO_Enter: {
            // A focused button presses itself; anywhere else Enter presses the default button.
            if (GTK_IS_BUTTON(gtk_window_get_focus(GTK_WINDOW(m_window)))) return false;
            int id = IDOK;
            for (const ControlTemplate& control : m_template.controls) {
                if (IsButton(control) && (control.style & BS_DEFPUSHBUTTON) != 0) id = control.id;
            }
            Send(WM_COMMAND, static_cast<std::uintptr_t>(id));
            return true;
        }
        case GDK_KEY_Tab:
        case GDK_KEY_KP_Tab:
        case GDK_KEY_ISO_Left_Tab:
            if ((modifiers & (GDK_CONTROL_MASK | GDK_MOD1_MASK)) != 0) return false;
            MoveFocus(key.keyval != GDK_KEY_ISO_Left_Tab && (modifiers & GDK_SHIFT_MASK) == 0);
            return true;
        case GDK_KEY_space:
        case GDK_KEY_KP_Space:
            if (modifiers != GDK_MOD1_MASK || m_menuButton == nullptr) return false;
            OpenSystemMenu();
            return true;
        default:
            return false;
    }
}

gboolean GtkDialogHost::OnKeyPress(GtkWidget* window, GdkEventKey* event, gpointer self) {
    // A disabled window takes no input, as on Windows.
    if (!gtk_widget_is_sensitive(window)) return TRUE;
    return static_cast<GtkDialogHost*>(self)->OnKey(*event) ? TRUE : FALSE;
}

gboolean GtkDialogHost::OnDelete(GtkWidget* window, GdkEvent*, gpointer self) {
    // The close button is the window menu's Close; a disabled window ignores it.
    if (gtk_widget_is_sensitive(window)) static_cast<GtkDialogHost*>(self)->Send(WM_SYSCOMMAND, SC_CLOSE);
    return TRUE;  // the dialog destroys its window itself
}

gboolean GtkDialogHost::OnWindowState(GtkWidget*, GdkEventWindowState* event, gpointer self) {
    static_cast<GtkDialogHost*>(self)->m_iconic = (event->new_window_state & GDK_WINDOW_STATE_ICONIFIED) != 0;
    return FALSE;
}

void GtkDialogHost::OnClicked(GtkButton* button, gpointer self) {
    const int id = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(button), kControlIdKey));
    static_cast<GtkDialogHost*>(self)->Send(WM_COMMAND, static_cast<std::uintptr_t>(id & 0xFFFF));
}

void GtkDialogHost::OnMenuItem(GtkMenuItem* item, gpointer self) {
    // GTK has closed the menu before the item is activated, so the command may run a modal loop.
    const unsigned command = GPOINTER_TO_UINT(g_object_get_data(G_OBJECT(item), kSystemCommandKey));
    static_cast<GtkDialogHost*>(self)->Send(WM_SYSCOMMAND, command);
}
