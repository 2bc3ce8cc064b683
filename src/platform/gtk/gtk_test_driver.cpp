#include "platform/gtk/gtk_test_driver.h"

#include <gtk/gtk.h>

#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <thread>

#include "platform/gtk/gtk_widget_data.h"

namespace {

using namespace std::chrono_literals;

// How long a window may take to appear or go, and a question to be answered.
constexpr auto kPatience = 10s;
constexpr auto kPollInterval = 20ms;

// --- Running on the GTK thread -------------------------------------------------------------------

// Queues `work` for the thread that runs GTK. It runs inside whichever main loop turns next
// (nested modal loops included), after GTK's own layout and drawing work.
void Post(std::function<void()> work) {
    g_idle_add_full(
        G_PRIORITY_DEFAULT_IDLE,
        [](gpointer data) -> gboolean {
            (*static_cast<std::function<void()>*>(data))();
            return G_SOURCE_REMOVE;
        },
        new std::function<void()>(std::move(work)),
        [](gpointer data) { delete static_cast<std::function<void()>*>(data); });
}

// The thread that runs GTK: the one that made the driver.
std::thread::id gtkThread;

// Runs `question` on the GTK thread and returns its answer; `fallback` when no main loop runs.
// The question holds no reference to the caller, so a late one harms nothing.
template <class Result>
Result Ask(std::function<Result()> question, Result fallback = Result()) {
    // On the GTK thread itself (between runs of the program) the answer is at hand.
    if (std::this_thread::get_id() == gtkThread) return question();
    auto answer = std::make_shared<std::promise<Result>>();
    std::future<Result> future = answer->get_future();
    Post([question = std::move(question), answer] { answer->set_value(question()); });
    if (future.wait_for(kPatience) != std::future_status::ready) return fallback;
    return future.get();
}


// --- Finding widgets (GTK thread) ----------------------------------------------------------------

GtkWindow* FindWindow(const std::string& title) {
    GtkWindow* found = nullptr;
    GList* windows = gtk_window_list_toplevels();
    for (GList* item = windows; item != nullptr; item = item->next) {
        GtkWindow* window = GTK_WINDOW(item->data);
        const char* windowTitle = gtk_window_get_title(window);
        if (windowTitle != nullptr && title == windowTitle && gtk_widget_get_visible(GTK_WIDGET(window))) {
            found = window;
        }
    }
    g_list_free(windows);
    return found;
}

void CollectDescendants(GtkWidget* widget, std::vector<GtkWidget*>* all) {
    all->push_back(widget);
    if (GTK_IS_CONTAINER(widget)) {
        gtk_container_forall(
            GTK_CONTAINER(widget),
            [](GtkWidget* child, gpointer list) { CollectDescendants(child, static_cast<std::vector<GtkWidget*>*>(list)); },
            all);
    }
}

GtkWidget* FindControl(const std::string& title, int id) {
    GtkWindow* window = FindWindow(title);
    if (window == nullptr) return nullptr;
    std::vector<GtkWidget*> all;
    CollectDescendants(GTK_WIDGET(window), &all);
    for (GtkWidget* widget : all) {
        if (g_object_get_data(G_OBJECT(widget), kControlIdKey) != nullptr &&
            GPOINTER_TO_INT(g_object_get_data(G_OBJECT(widget), kControlIdKey)) == id) {
            return widget;
        }
    }
    return nullptr;
}

GtkEntry* EntryOf(GtkWidget* control) {
    if (control == nullptr) return nullptr;
    if (GTK_IS_ENTRY(control)) return GTK_ENTRY(control);
    if (GTK_IS_COMBO_BOX(control) && GTK_IS_ENTRY(gtk_bin_get_child(GTK_BIN(control)))) {
        return GTK_ENTRY(gtk_bin_get_child(GTK_BIN(control)));
    }
    return nullptr;
}

GtkMenuShell* SystemMenuOf(const std::string& title) {
    GtkWindow* window = FindWindow(title);
    return window != nullptr ? static_cast<GtkMenuShell*>(g_object_get_data(G_OBJECT(window), kSystemMenuKey))
                             : nullptr;
}

std::string OwnerTitle(GtkWindow* window) {
    GtkWindow* owner = gtk_window_get_transient_for(window);
    const char* title = owner != nullptr ? gtk_window_get_title(owner) : nullptr;
    return title != nullptr ? title : "";
}

// A key press as the keyboard would deliver it to `toplevel`: GTK routes it to the window with
// the grab, then to the focus widget, as it does a real one.
void SendKey(GtkWidget* toplevel, const std::string& key, const std::string& modifiers) {
    GdkWindow* window = gtk_widget_get_window(toplevel);
    if (window == nullptr) return;
    GdkDisplay* display = gdk_window_get_display(window);
    GdkEvent* event = gdk_event_new(GDK_KEY_PRESS);
    event->key.window = GDK_WINDOW(g_object_ref(window));
    event->key.send_event = TRUE;
    event->key.time = GDK_CURRENT_TIME;
    event->key.keyval = gdk_keyval_from_name(key.c_str());
    event->key.string = g_strdup("");
    guint state = 0;
    if (modifiers.find("shift") != std::string::npos) state |= GDK_SHIFT_MASK;
    if (modifiers.find("ctrl") != std::string::npos) state |= GDK_CONTROL_MASK;
    if (modifiers.find("alt") != std::string::npos) state |= GDK_MOD1_MASK;
    event->key.state = state;
    GdkKeymapKey* keys = nullptr;
    gint count = 0;
    if (gdk_keymap_get_entries_for_keyval(gdk_keymap_get_for_display(display), event->key.keyval, &keys, &count) &&
        count > 0) {
        event->key.hardware_keycode = static_cast<guint16>(keys[0].keycode);
        event->key.group = static_cast<guint8>(keys[0].group);
    }
    g_free(keys);
    gdk_event_set_device(event, gdk_seat_get_keyboard(gdk_display_get_default_seat(display)));
    gtk_main_do_event(event);
    gdk_event_free(event);
}

}  // namespace

GtkTestDriver::GtkTestDriver() { gtkThread = std::this_thread::get_id(); }

bool GtkTestDriver::WaitUntil(const std::function<bool()>& ready) {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (std::chrono::steady_clock::now() < deadline) {
        if (ready()) return true;
        std::this_thread::sleep_for(kPollInterval);
    }
    return false;
}

// --- Windows -------------------------------------------------------------------------------------

bool GtkTestDriver::WaitForWindow(const std::string& title) const {
    return WaitUntil([&] {
        return Ask<bool>([title] {
            GtkWindow* window = FindWindow(title);
            return window != nullptr && gtk_widget_get_mapped(GTK_WIDGET(window));
        });
    });
}

bool GtkTestDriver::WaitForNoWindow(const std::string& title) const {
    return WaitUntil([&] { return Ask<bool>([title] { return FindWindow(title) == nullptr; }, false); });
}

GtkTestDriver::WindowState GtkTestDriver::Window(const std::string& title) const {
    return Ask<WindowState>([title] {
        WindowState state;
        GtkWindow* window = FindWindow(title);
        if (window == nullptr) return state;
        state.shown = gtk_widget_get_mapped(GTK_WIDGET(window));
        state.sensitive = gtk_widget_is_sensitive(GTK_WIDGET(window));
        state.resizable = gtk_window_get_resizable(window);
        state.modal = gtk_window_get_modal(window);
        state.skipTaskbar = gtk_window_get_skip_taskbar_hint(window);
        state.ownerTitle = OwnerTitle(window);
        if (GdkWindow* gdkWindow = gtk_widget_get_window(GTK_WIDGET(window))) {
            GdkRectangle frame;
            gdk_window_get_frame_extents(gdkWindow, &frame);
            state.x = frame.x;
            state.y = frame.y;
            state.width = frame.width;
            state.height = frame.height;
        }
        return state;
    });
}

GtkTestDriver::WindowState GtkTestDriver::Screen() const {
    return Ask<WindowState>([] {
        WindowState state;
        GdkMonitor* monitor = gdk_display_get_primary_monitor(gdk_display_get_default());
        if (monitor == nullptr) monitor = gdk_display_get_monitor(gdk_display_get_default(), 0);
        GdkRectangle area;
        gdk_monitor_get_workarea(monitor, &area);
        state.shown = true;
        state.x = area.x;
        state.y = area.y;
        state.width = area.width;
        state.height = area.height;
        return state;
    });
}

bool GtkTestDriver::Screenshot(const std::string& title, const std::string& pngPath) const {
    return Ask<bool>([title, pngPath] {
        GtkWindow* window = FindWindow(title);
        if (window == nullptr) return false;
        // Laid out now, not at the next frame.
        gtk_container_check_resize(GTK_CONTAINER(window));
        GtkAllocation size;
        gtk_widget_get_allocation(GTK_WIDGET(window), &size);
        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size.width, size.height);
        cairo_t* cairo = cairo_create(surface);
        gtk_widget_draw(GTK_WIDGET(window), cairo);
        cairo_destroy(cairo);
        const bool written = cairo_surface_write_to_png(surface, pngPath.c_str()) == CAIRO_STATUS_SUCCESS;
        cairo_surface_destroy(surface);
        return written;
    });
}

// --- Input ---------------------------------------------------------------------------------------

void GtkTestDriver::PressKey(const std::string& title, const std::string& key, const std::string& modifiers) const {
    Post([title, key, modifiers] {
        if (GtkWindow* window = FindWindow(title)) SendKey(GTK_WIDGET(window), key, modifiers);
    });
}

void GtkTestDriver::Close(const std::string& title) const {
    Post([title] {
        if (GtkWindow* window = FindWindow(title)) gtk_window_close(window);
    });
}

// --- Controls ------------------------------------------------------------------------------------

std::string GtkTestDriver::Text(const std::string& title, int id) const {
    return Ask<std::string>([title, id] {
        GtkEntry* entry = EntryOf(FindControl(title, id));
        return entry != nullptr ? std::string(gtk_entry_get_text(entry)) : std::string();
    });
}

bool GtkTestDriver::Visible(const std::string& title, int id) const {
    return Ask<bool>([title, id] {
        GtkWidget* control = FindControl(title, id);
        return control != nullptr && gtk_widget_is_visible(control);
    });
}

std::vector<std::string> GtkTestDriver::ListItems(const std::string& title, int id) const {
    return Ask<std::vector<std::string>>([title, id] {
        std::vector<std::string> items;
        GtkWidget* control = FindControl(title, id);
        if (control == nullptr || !GTK_IS_COMBO_BOX(control)) return items;
        GtkTreeModel* model = gtk_combo_box_get_model(GTK_COMBO_BOX(control));
        const gint column = gtk_combo_box_get_entry_text_column(GTK_COMBO_BOX(control));
        GtkTreeIter iter;
        for (gboolean more = gtk_tree_model_get_iter_first(model, &iter); more;
             more = gtk_tree_model_iter_next(model, &iter)) {
            gchar* text = nullptr;
            gtk_tree_model_get(model, &iter, column, &text, -1);
            items.emplace_back(text != nullptr ? text : "");
            g_free(text);
        }
        return items;
    });
}

int GtkTestDriver::FocusedControl(const std::string& title) const {
    return Ask<int>([title] {
        GtkWindow* window = FindWindow(title);
        if (window == nullptr) return 0;
        for (GtkWidget* widget = gtk_window_get_focus(window); widget != nullptr;
             widget = gtk_widget_get_parent(widget)) {
            if (gpointer id = g_object_get_data(G_OBJECT(widget), kControlIdKey)) return GPOINTER_TO_INT(id);
        }
        return 0;
    });
}

GtkTestDriver::Rect GtkTestDriver::ControlRect(const std::string& title, int id) const {
    return Ask<Rect>([title, id] {
        Rect rect;
        if (GtkWidget* control = FindControl(title, id)) {
            GtkAllocation allocation;
            gtk_widget_get_allocation(control, &allocation);
            rect = {allocation.x, allocation.y, allocation.width, allocation.height};
        }
        return rect;
    });
}

void GtkTestDriver::Type(const std::string& title, int id, const std::string& text) const {
    Post([title, id, text] {
        GtkEntry* entry = EntryOf(FindControl(title, id));
        if (entry != nullptr && gtk_widget_is_sensitive(GTK_WIDGET(entry))) gtk_entry_set_text(entry, text.c_str());
    });
}

void GtkTestDriver::Click(const std::string& title, int id) const {
    Post([title, id] {
        GtkWidget* control = FindControl(title, id);
        // Nobody can click what is hidden or disabled.
        if (control != nullptr && GTK_IS_BUTTON(control) && gtk_widget_is_visible(control) &&
            gtk_widget_is_sensitive(control)) {
            gtk_button_clicked(GTK_BUTTON(control));
        }
    });
}

// --- The window menu -----------------------------------------------------------------------------

std::vector<std::string> GtkTestDriver::MenuItems(const std::string& title) const {
    return Ask<std::vector<std::string>>([title] {
        std::vector<std::string> labels;
        GtkMenuShell* menu = SystemMenuOf(title);
        if (menu == nullptr) return labels;
        GList* items = gtk_container_get_children(GTK_CONTAINER(menu));
        for (GList* item = items; item != nullptr; item = item->next) {
            const char* label = GTK_IS_SEPARATOR_MENU_ITEM(item->data) ? "-" : gtk_menu_item_get_label(GTK_MENU_ITEM(item->data));
            labels.emplace_back(label != nullptr ? label : "");
        }
        g_list_free(items);
        return labels;
    });
}

bool GtkTestDriver::MenuShown(const std::string& title) const {
    return Ask<bool>([title] {
        GtkMenuShell* menu = SystemMenuOf(title);
        return menu != nullptr && gtk_widget_get_mapped(GTK_WIDGET(menu));
    });
}

void GtkTestDriver::ClickMenuButton(const std::string& title) const {
    Post([title] {
        GtkWindow* window = FindWindow(title);
        if (window == nullptr || !gtk_widget_is_sensitive(GTK_WIDGET(window))) return;
        std::vector<GtkWidget*> all;
        CollectDescendants(gtk_window_get_titlebar(window), &all);
        for (GtkWidget* widget : all) {
            if (GTK_IS_MENU_BUTTON(widget)) gtk_button_clicked(GTK_BUTTON(widget));
        }
    });
}

void GtkTestDriver::PressMenuKey(const std::string& title, const std::string& key) const {
    Post([title, key] {
        GtkMenuShell* menu = SystemMenuOf(title);
        if (menu != nullptr && gtk_widget_get_mapped(GTK_WIDGET(menu))) {
            SendKey(gtk_widget_get_toplevel(GTK_WIDGET(menu)), key, "");
        }
    });
}

// --- Message boxes -------------------------------------------------------------------------------

GtkTestDriver::MessageBoxState GtkTestDriver::MessageBox(const std::string& title) const {
    return Ask<MessageBoxState>([title] {
        MessageBoxState state;
        GtkWindow* window = FindWindow(title);
        if (window == nullptr || !GTK_IS_MESSAGE_DIALOG(window)) return state;
        gchar* text = nullptr;
        g_object_get(window, "text", &text, nullptr);
        state.text = text != nullptr ? text : "";
        g_free(text);
        G_GNUC_BEGIN_IGNORE_DEPRECATIONS
        GtkWidget* image = gtk_message_dialog_get_image(GTK_MESSAGE_DIALOG(window));
        GtkWidget* buttonArea = gtk_dialog_get_action_area(GTK_DIALOG(window));
        G_GNUC_END_IGNORE_DEPRECATIONS
        if (image != nullptr && GTK_IS_IMAGE(image)) {
            const gchar* iconName = nullptr;
            gtk_image_get_icon_name(GTK_IMAGE(image), &iconName, nullptr);
            state.iconName = iconName != nullptr ? iconName : "";
        }
        GList* buttons = gtk_container_get_children(GTK_CONTAINER(buttonArea));
        for (GList* button = buttons; button != nullptr; button = button->next) {
            if (GTK_IS_BUTTON(button->data)) state.buttons.emplace_back(gtk_button_get_label(GTK_BUTTON(button->data)));
        }
        g_list_free(buttons);
        state.ownerTitle = OwnerTitle(window);
        return state;
    });
}

// --- The file chooser ----------------------------------------------------------------------------

GtkTestDriver::FileChooserState GtkTestDriver::FileChooser(const std::string& title) const {
    return Ask<FileChooserState>([title] {
        FileChooserState state;
        GtkWindow* window = FindWindow(title);
        if (window == nullptr || !GTK_IS_FILE_CHOOSER(window)) return state;
        GtkFileChooser* chooser = GTK_FILE_CHOOSER(window);
        GSList* filters = gtk_file_chooser_list_filters(chooser);
        for (GSList* filter = filters; filter != nullptr; filter = filter->next) {
            state.filters.emplace_back(gtk_file_filter_get_name(GTK_FILE_FILTER(filter->data)));
        }
        g_slist_free(filters);
        if (GtkFileFilter* current = gtk_file_chooser_get_filter(chooser)) {
            state.currentFilter = gtk_file_filter_get_name(current);
        }
        if (gchar* selected = gtk_file_chooser_get_filename(chooser)) {
            state.selected = selected;
            g_free(selected);
        }
        return state;
    });
}

bool GtkTestDriver::FilterShows(const std::string& title, const std::string& filterName, const std::string& path) const {
    return Ask<bool>([title, filterName, path] {
        GtkWindow* window = FindWindow(title);
        if (window == nullptr || !GTK_IS_FILE_CHOOSER(window)) return false;
        bool shows = false;
        GSList* filters = gtk_file_chooser_list_filters(GTK_FILE_CHOOSER(window));
        for (GSList* filter = filters; filter != nullptr; filter = filter->next) {
            if (filterName != gtk_file_filter_get_name(GTK_FILE_FILTER(filter->data))) continue;
            gchar* name = g_path_get_basename(path.c_str());
            GtkFileFilterInfo info{};
            info.contains = static_cast<GtkFileFilterFlags>(GTK_FILE_FILTER_FILENAME | GTK_FILE_FILTER_DISPLAY_NAME);
            info.filename = path.c_str();
            info.display_name = name;
            shows = gtk_file_filter_filter(GTK_FILE_FILTER(filter->data), &info);
            g_free(name);
        }
        g_slist_free(filters);
        return shows;
    });
}

bool GtkTestDriver::ChooseFile(const std::string& title, const std::string& path) const {
    Post([title, path] {
        if (GtkWindow* window = FindWindow(title)) gtk_file_chooser_set_filename(GTK_FILE_CHOOSER(window), path.c_str());
    });
    // The chooser selects the file once it has read its folder.
    if (!WaitUntil([&] { return FileChooser(title).selected == path; })) return false;
    Post([title] {
        if (GtkWindow* window = FindWindow(title)) gtk_dialog_response(GTK_DIALOG(window), GTK_RESPONSE_ACCEPT);
    });
    return true;
}

// --- The help window -----------------------------------------------------------------------------

std::string GtkTestDriver::HelpText(const std::string& title) const {
    return Ask<std::string>([title] {
        GtkWindow* window = FindWindow(title);
        GtkWidget* view = window != nullptr ? static_cast<GtkWidget*>(g_object_get_data(G_OBJECT(window), kHelpViewKey))
                                            : nullptr;
        if (view == nullptr) return std::string();
        GtkTextBuffer* buffer = gtk_text_view_get_buffer(GTK_TEXT_VIEW(view));
        GtkTextIter start, end;
        gtk_text_buffer_get_bounds(buffer, &start, &end);
        gchar* text = gtk_text_buffer_get_text(buffer, &start, &end, FALSE);
        std::string result = text;
        g_free(text);
        return result;
    });
}

void GtkTestDriver::DismissEverything() const {
    Post([] {
        GList* windows = gtk_window_list_toplevels();
        for (GList* item = windows; item != nullptr; item = item->next) {
            GtkWidget* window = GTK_WIDGET(item->data);
            if (!gtk_widget_get_visible(window) || gtk_window_get_window_type(GTK_WINDOW(window)) != GTK_WINDOW_TOPLEVEL) {
                continue;
            }
            if (GTK_IS_DIALOG(window)) {
                gtk_dialog_response(GTK_DIALOG(window), GTK_RESPONSE_DELETE_EVENT);
            } else if (gtk_widget_is_sensitive(window)) {
                SendKey(window, "Escape", "");
            }
        }
        g_list_free(windows);
    });
}
