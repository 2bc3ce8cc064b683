#include "platform/gtk/gtk_ui.h"


#include <cstdlib>
#include <vector>

#include "platform/gtk/file_patterns.h"
#include "platform/gtk/gtk_dialog_host.h"
#include "platform/gtk/help_window.h"
#include "platform/gtk/label_text.h"
#include "platform/win_constants.h"

namespace {

// Windows' ids of the buttons a message box can answer with; GTK's response ids take them as they
// are (positive ids are the application's).
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;

// Dialog controls are as high as their rectangles say. GTK's themes give entries and buttons
// larger minimum heights than Windows' 14-unit controls, so the control area lets them shrink.
constexpr char kStyleSheet[] =
    ".korvlink-controls entry, .korvlink-controls button {"
    "  min-height: 0; min-width: 0; padding-top: 0; padding-bottom: 0; }"
    ".korvlink-controls button { padding-left: 2px; padding-right: 2px; }";

// GTK's own translations of its standard button labels.
const char* GtkText(const char* text) { return g_dgettext("gtk30", text); }

struct MessageIcon {
    unsigned type;
    GtkMessageType messageType;
    const char* iconName;
};
constexpr MessageIcon kMessageIcons[] = {
    {MB_ICONHAND, GTK_MESSAGE_ERROR, "dialog-error"},
    {MB_ICONQUESTION, GTK_MESSAGE_QUESTION, "dialog-question"},
    {MB_ICONEXCLAMATION, GTK_MESSAGE_WARNING, "dialog-warning"},
    {MB_ICONINFORMATION, GTK_MESSAGE_INFO, "dialog-information"},
};

struct MessageButton {
    const char* label;
    int id;
};
// The buttons of each message-box type, and what closing the box (Escape, the close button)
// answers: Cancel where there is one, OK for a box that can only be acknowledged.
struct MessageButtons {
    unsigned type;
    std::vector<MessageButton> buttons;  // in GTK's order, the default one last
    int closeAnswer;
};
const MessageButtons& ButtonsFor(unsigned type) {
    static const std::vector<MessageButtons> table = {
        {MB_OK, {{"_OK", IDOK}}, IDOK},
        {MB_OKCANCEL, {{"_Cancel", IDCANCEL}, {"_OK", IDOK}}, IDCANCEL},
        {MB_YESNOCANCEL, {{"_Cancel", IDCANCEL}, {"_No", kIdNo}, {"_Yes", kIdYes}}, IDCANCEL},
        {MB_YESNO, {{"_No", kIdNo}, {"_Yes", kIdYes}}, kIdNo},
    };
    for (const MessageButtons& entry : table) {
        if (entry.type == (type & MB_TYPEMASK)) return entry;
    }
    return table.front();
}

// The patterns of one file-open filter, as the GTK filter's rule sees them.
struct FilterRule {
    std::string patterns;
    bool programs;  // also the files the user may execute
};

gboolean FilterAdmits(const GtkFileFilterInfo* info, gpointer data) {
    const FilterRule& rule = *static_cast<const FilterRule*>(data);
    std::string name = info->display_name != nullptr ? info->display_name : "";
    if (info->filename != nullptr) {
        gchar* base = g_path_get_basename(info->filename);
        name = base;
        g_free(base);
    }
    if (FileMatchesPatterns(rule.patterns, name)) return TRUE;
    return rule.programs && info->filename != nullptr &&
           g_file_test(info->filename, G_FILE_TEST_IS_EXECUTABLE) &&
           !g_file_test(info->filename, G_FILE_TEST_IS_DIR);
}

// Where the file chooser starts: an absolute name that exists is selected in its folder; one
// that does not opens the folder it names, when that exists. A bare name cannot be typed into
// GTK's open dialog ahead of time, so the chooser starts where it would.
void StartAt(GtkFileChooser* chooser, const std::string& initialName) {
    if (initialName.empty() || initialName[0] != '/') return;
    if (g_file_test(initialName.c_str(), G_FILE_TEST_IS_DIR)) {
        gtk_file_chooser_set_current_folder(chooser, initialName.c_str());
    } else if (g_file_test(initialName.c_str(), G_FILE_TEST_EXISTS)) {
        gtk_file_chooser_set_filename(chooser, initialName.c_str());
    } else {
        gchar* folder = g_path_get_dirname(initialName.c_str());
        if (g_file_test(folder, G_FILE_TEST_IS_DIR)) gtk_file_chooser_set_current_folder(chooser, folder);
        g_free(folder);
    }
}

}  // namespace

std::string ShownText(const std::string& bytes) {
    if (g_utf8_validate(bytes.data(), static_cast<gssize>(bytes.size()), nullptr)) return bytes;
    gchar* valid = g_utf8_make_valid(bytes.data(), static_cast<gssize>(bytes.size()));
    std::string text = valid;
    g_free(valid);
    return text;
}

GtkWidget* NewTitleBar(const std::string& caption) {
    GtkWidget* bar = gtk_header_bar_new();
    gtk_header_bar_set_title(GTK_HEADER_BAR(bar), ShownText(caption).c_str());
    gtk_header_bar_set_show_close_button(GTK_HEADER_BAR(bar), TRUE);
    // A fixed-size window offers only Close, as a Windows dialog frame does.
    gtk_header_bar_set_decoration_layout(GTK_HEADER_BAR(bar), ":close");
    gtk_widget_show(bar);
    return bar;
}

DisabledOwner::DisabledOwner(GtkWindow* owner)
    : m_owner(owner != nullptr && gtk_widget_is_sensitive(GTK_WIDGET(owner)) ? owner : nullptr) {
    if (m_owner != nullptr) gtk_widget_set_sensitive(GTK_WIDGET(m_owner), FALSE);
}

void DisabledOwner::Restore() {
    if (m_owner == nullptr) return;
    gtk_widget_set_sensitive(GTK_WIDGET(m_owner), TRUE);
    gtk_window_present(m_owner);
    m_owner = nullptr;
}

GtkUi::GtkUi() : m_help(std::make_unique<HelpWindow>()), m_css(gtk_css_provider_new()) {
    gtk_css_provider_load_from_data(m_css.get(), kStyleSheet, -1, nullptr);
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(m_css.get()),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
}

GtkUi::~GtkUi() {
    m_help.reset();
    gtk_style_context_remove_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(m_css.get()));
}

int GtkUi::ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                          unsigned type) {
    GtkWindow* ownerWindow = static_cast<GtkWindow*>(owner);
    GtkMessageType messageType = GTK_MESSAGE_OTHER;
    const char* iconName = nullptr;
    for (const MessageIcon& icon : kMessageIcons) {
        if ((type & MB_ICONMASK) == icon.type) {
            messageType = icon.messageType;
            iconName = icon.iconName;
        }
    }
    GtkWidget* box = gtk_message_dialog_new(ownerWindow, static_cast<GtkDialogFlags>(GTK_DIALOG_MODAL | GTK_DIALOG_DESTROY_WITH_PARENT),
                                            messageType, GTK_BUTTONS_NONE, "%s",
                                            ShownText(UnixLineBreaks(text)).c_str());
    gtk_window_set_title(GTK_WINDOW(box), ShownText(caption).c_str());
    gtk_window_set_titlebar(GTK_WINDOW(box), NewTitleBar(caption));
    gtk_window_set_position(GTK_WINDOW(box), ownerWindow != nullptr ? GTK_WIN_POS_CENTER_ON_PARENT
                                                                     : GTK_WIN_POS_CENTER);
    // A box of no window (launcher mode) has a taskbar entry of its own.
    gtk_window_set_skip_taskbar_hint(GTK_WINDOW(box), ownerWindow != nullptr);
    if (iconName != nullptr) {
        // GTK: message dialogs no longer show their type's icon by themselves.
        G_GNUC_BEGIN_IGNORE_DEPRECATIONS
        GtkWidget* image = gtk_image_new_from_icon_name(iconName, GTK_ICON_SIZE_DIALOG);
        gtk_widget_show(image);
        gtk_message_dialog_set_image(GTK_MESSAGE_DIALOG(box), image);
        G_GNUC_END_IGNORE_DEPRECATIONS
    }
    // The text stands beside the icon's middle, as in a Windows message box.
    gtk_widget_set_valign(gtk_message_dialog_get_message_area(GTK_MESSAGE_DIALOG(box)), GTK_ALIGN_CENTER);
    const MessageButtons& buttons = ButtonsFor(type);
    for (const MessageButton& button : buttons.buttons) {
        gtk_dialog_add_button(GTK_DIALOG(box), GtkText(button.label), button.id);
    }
    // The first button of the Windows box (OK, Yes) is the default.
    gtk_dialog_set_default_response(GTK_DIALOG(box), buttons.buttons.back().id);

    DisabledOwner disabledOwner(ownerWindow);
    const int response = gtk_dialog_run(GTK_DIALOG(box));
    gtk_widget_destroy(box);
    return response > 0 ? response : buttons.closeAnswer;
}

int GtkUi::RunModalDialog(const DialogTemplate& dialog, DialogEvents& events, WindowHandle owner) {
    GtkDialogHost host(*this, dialog, events, static_cast<GtkWindow*>(owner));
    return host.Run();
}

std::optional<std::string> GtkUi::RunOpenFileDialog(const FileDialogRequest& request, WindowHandle owner) {
    GtkWindow* ownerWindow = static_cast<GtkWindow*>(owner);
    const std::string title = request.title.empty() ? "Open" : request.title;
    GtkWidget* dialog = gtk_file_chooser_dialog_new(ShownText(title).c_str(), ownerWindow,
                                                    GTK_FILE_CHOOSER_ACTION_OPEN, GtkText("_Cancel"),
                                                    GTK_RESPONSE_CANCEL, GtkText("_Open"),
                                                    GTK_RESPONSE_ACCEPT, nullptr);
    GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_ACCEPT);
    gtk_window_set_modal(GTK_WINDOW(dialog), TRUE);
    gtk_file_chooser_set_local_only(chooser, TRUE);
    for (std::size_t i = 0; i < request.filters.size(); ++i) {
        const auto& [name, patterns] = request.filters[i];
        GtkFileFilter* filter = gtk_file_filter_new();
        gtk_file_filter_set_name(filter, ShownText(name).c_str());
        gtk_file_filter_add_custom(
            filter, static_cast<GtkFileFilterFlags>(GTK_FILE_FILTER_FILENAME | GTK_FILE_FILTER_DISPLAY_NAME),
            FilterAdmits, new FilterRule{patterns, PatternsNamePrograms(patterns)},
            [](gpointer rule) { delete static_cast<FilterRule*>(rule); });
        gtk_file_chooser_add_filter(chooser, filter);  // the chooser takes the filter
        if (i == 0) gtk_file_chooser_set_filter(chooser, filter);
    }
    // No default extension is added: Linux programs have none.
    StartAt(chooser, request.initialName);

    DisabledOwner disabledOwner(ownerWindow);
    std::optional<std::string> chosen;
    if (gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_ACCEPT) {
        if (gchar* path = gtk_file_chooser_get_filename(chooser)) {
            chosen = path;
            g_free(path);
        }
    }
    gtk_widget_destroy(dialog);
    return chosen;
}

GdkPixbuf* GtkUi::IconPixbuf(const IconArt& icon, int size) {
    GObjectPtr<GdkPixbuf>& cached = m_images[{icon.id, size}];
    if (cached) return cached.get();
    if (icon.images.empty()) return nullptr;

    // The art's image of that size, else the smallest larger one (images come largest first).
    const IconImage* art = &icon.images.front();
    for (const IconImage& image : icon.images) {
        if (image.size >= size) art = &image;
    }
    GObjectPtr<GdkPixbuf> drawn(gdk_pixbuf_new(GDK_COLORSPACE_RGB, TRUE, 8, art->size, art->size));
    const int stride = gdk_pixbuf_get_rowstride(drawn.get());
    guchar* pixels = gdk_pixbuf_get_pixels(drawn.get());
    for (int y = 0; y < art->size; ++y) {
        const std::string& row = art->rows[static_cast<std::size_t>(y)];
        for (int x = 0; x < art->size; ++x) {
            guchar* pixel = pixels + y * stride + x * 4;
            const char digit = x < static_cast<int>(row.size()) ? row[static_cast<std::size_t>(x)] : '.';
            const int index = g_ascii_xdigit_value(digit);
            if (index < 0) {
                pixel[0] = pixel[1] = pixel[2] = pixel[3] = 0;  // '.': transparent
                continue;
            }
            const unsigned colour = kIconPalette[index];
            pixel[0] = static_cast<guchar>(colour >> 16);
            pixel[1] = static_cast<guchar>(colour >> 8);
            pixel[2] = static_cast<guchar>(colour);
            pixel[3] = 0xFF;
        }
    }
    if (art->size != size) drawn = GObjectPtr<GdkPixbuf>(gdk_pixbuf_scale_simple(drawn.get(), size, size, GDK_INTERP_BILINEAR));
    cached = std::move(drawn);
    return cached.get();
}

IconHandle GtkUi::LoadAppIcon(const IconArt& icon) {
    GdkPixbuf* image = IconPixbuf(icon, 32);
    m_arts[image] = &icon;
    return image;
}

const IconArt* GtkUi::ArtOf(IconHandle icon) const {
    const auto found = m_arts.find(icon);
    return found != m_arts.end() ? found->second : nullptr;
}

bool GtkUi::ShowHelp(WindowHandle /*owner*/, const std::string& helpFile, unsigned command,
                     unsigned long topic) {
    switch (command) {
        case HELP_CONTEXT:
            return m_help->Show(helpFile, topic);
        case HELP_QUIT:
            m_help->Close();
            return true;
        default:
            return false;
    }
}
