// The module's one entry point, which the program finds with dlsym (see gtk_module_entry.h).

#include <gtk/gtk.h>

#include <cstdio>
#include <type_traits>

#include "platform/gtk/gtk_module_entry.h"
#include "platform/gtk/gtk_ui.h"

extern "C" __attribute__((visibility("default"))) Ui* korvlink_create_gtk_ui(const char* programName,
                                                                              char* error,
                                                                              std::size_t errorSize) {
    g_set_prgname(programName);
    if (!gtk_init_check(nullptr, nullptr)) {
        const char* display = gdk_get_display_arg_name();
        if (display == nullptr) display = g_getenv("DISPLAY");
        std::snprintf(error, errorSize, "the display %s could not be opened", display != nullptr ? display : "");
        return nullptr;
    }
    return new GtkUi();
}

// The program and the module agree on the factory's type.
static_assert(std::is_same_v<decltype(&korvlink_create_gtk_ui), CreateGtkUiFunction>);
