#include "platform/gtk/help_window.h"

#include <algorithm>
#include <optional>

#include "platform/common/help_file.h"
#include "platform/gtk/gtk_ui.h"
#include "platform/gtk/gtk_widget_data.h"

namespace {

std::optional<std::string> ReadFile(const std::string& path) {
    gchar* contents = nullptr;
    gsize length = 0;
    if (!g_file_get_contents(path.c_str(), &contents, &length, nullptr)) return std::nullopt;
    std::string text(contents, length);
    g_free(contents);
    return text;
}

// A width that shows the topic's longest line without wrapping it, within most of the screen:
// the topics are written as lines of fixed width.
int WidthForLines(GtkWidget* view, const std::string& text) {
    PangoLayout* layout = gtk_widget_create_pango_layout(view, text.c_str());
    int width = 0, height = 0;
    pango_layout_get_pixel_size(layout, &width, &height);
    g_object_unref(layout);
    GdkRectangle workArea{0, 0, 1024, 768};
    if (GdkMonitor* monitor = gdk_display_get_primary_monitor(gdk_display_get_default())) {
        gdk_monitor_get_workarea(monitor, &workArea);
    }
    constexpr int kMarginsAndScrollBar = 2 * 12 + 32;
    return std::min(width + kMarginsAndScrollBar, workArea.width * 4 / 5);
}

}  // namespace

HelpWindow::HelpWindow() : m_group(gtk_window_group_new()) {}

HelpWindow::~HelpWindow() { Close(); }

bool HelpWindow::Show(const std::string& helpFile, unsigned long topic) {
    const std::optional<std::string> file = ReadFile(helpFile);
    if (!file) return false;
    const std::optional<HelpTopic> found = FindHelpTopic(*file, topic);
    if (!found) return false;

    if (m_window == nullptr) {
        m_window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
        gtk_window_group_add_window(m_group.get(), GTK_WINDOW(m_window));
        gtk_window_set_titlebar(GTK_WINDOW(m_window), NewTitleBar(found->title));

        GtkWidget* scrolled = gtk_scrolled_window_new(nullptr, nullptr);
        gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(scrolled), GTK_POLICY_NEVER, GTK_POLICY_AUTOMATIC);
        m_text = gtk_text_view_new();
        GtkTextView* view = GTK_TEXT_VIEW(m_text);
        gtk_text_view_set_editable(view, FALSE);
        gtk_text_view_set_cursor_visible(view, FALSE);
        gtk_text_view_set_wrap_mode(view, GTK_WRAP_WORD_CHAR);
        // The topics line up their columns with blanks.
        gtk_text_view_set_monospace(view, TRUE);
        gtk_text_view_set_left_margin(view, 12);
        gtk_text_view_set_right_margin(view, 12);
        gtk_text_view_set_top_margin(view, 8);
        gtk_text_view_set_bottom_margin(view, 8);
        gtk_window_set_default_size(GTK_WINDOW(m_window), WidthForLines(m_text, found->text), 520);
        gtk_container_add(GTK_CONTAINER(scrolled), m_text);
        gtk_container_add(GTK_CONTAINER(m_window), scrolled);
        g_object_set_data(G_OBJECT(m_window), kHelpViewKey, m_text);
        g_signal_connect(m_window, "destroy", G_CALLBACK(OnDestroy), this);
        g_signal_connect(m_window, "key-press-event", G_CALLBACK(OnKeyPress), nullptr);
        gtk_widget_show_all(m_window);
    }
    const std::string title = ShownText(found->title);
    gtk_window_set_title(GTK_WINDOW(m_window), title.c_str());
    gtk_header_bar_set_title(GTK_HEADER_BAR(gtk_window_get_titlebar(GTK_WINDOW(m_window))), title.c_str());
    GtkTextBuffer* buffer = gtk_text_view_get_buffer(GTK_TEXT_VIEW(m_text));
    const std::string text = ShownText(found->text);
    gtk_text_buffer_set_text(buffer, text.data(), static_cast<gint>(text.size()));
    GtkTextIter start;
    gtk_text_buffer_get_start_iter(buffer, &start);
    gtk_text_buffer_place_cursor(buffer, &start);
    gtk_text_view_scroll_to_iter(GTK_TEXT_VIEW(m_text), &start, 0.0, FALSE, 0.0, 0.0);
    gtk_window_present(GTK_WINDOW(m_window));
    return true;
}

void HelpWindow::Close() {
    if (m_window != nullptr) gtk_widget_destroy(m_window);  // OnDestroy forgets it
}

gboolean HelpWindow::OnKeyPress(GtkWidget* window, GdkEventKey* event, gpointer) {
    if (event->keyval != GDK_KEY_Escape) return FALSE;
    gtk_window_close(GTK_WINDOW(window));
    return TRUE;
}

void HelpWindow::OnDestroy(GtkWidget*, gpointer self) {
    auto* help = static_cast<HelpWindow*>(self);
    help->m_window = nullptr;
    help->m_text = nullptr;
}
