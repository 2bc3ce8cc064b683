#include "platform/posix/lazy_ui.h"

#include <dlfcn.h>

#include <cstdlib>

#include "platform/gtk/gtk_module_entry.h"

namespace {

bool HasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return true;
    }
    return false;
}

}  // namespace

LazyUi::LazyUi(std::string modulePath, std::string programName)
    : m_modulePath(std::move(modulePath)), m_programName(std::move(programName)) {}

LazyUi::~LazyUi() = default;

Ui& LazyUi::Target() {
    if (m_tried) return m_module ? *m_module : m_fallback;
    m_tried = true;
    if (!HasDisplay()) return m_fallback;  // StderrUi's own reason says so

    // The module stays loaded for the life of the process: GLib's types cannot be unregistered.
    void* module = dlopen(m_modulePath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
        m_fallback.SetWhyNoWindows(std::string("the GTK user interface could not be loaded: ") + dlerror());
        return m_fallback;
    }
    const auto create = reinterpret_cast<CreateGtkUiFunction>(dlsym(module, kCreateGtkUiSymbol));
    if (create == nullptr) {
        m_fallback.SetWhyNoWindows(std::string("the GTK user interface could not be loaded: ") + dlerror());
        return m_fallback;
    }
    char error[512] = "";
    m_module.reset(create(m_programName.c_str(), error, sizeof error));
    if (!m_module) {
        m_fallback.SetWhyNoWindows(error);
        return m_fallback;
    }
    return *m_module;
}

int LazyUi::ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                           unsigned type) {
    return Target().ShowMessageBox(owner, text, caption, type);
}

int LazyUi::RunModalDialog(const DialogTemplate& dialog, DialogEvents& events, WindowHandle owner) {
    return Target().RunModalDialog(dialog, events, owner);
}

std::optional<std::string> LazyUi::RunOpenFileDialog(const FileDialogRequest& request, WindowHandle owner) {
    return Target().RunOpenFileDialog(request, owner);
}

IconHandle LazyUi::LoadAppIcon(const IconArt& icon) { return Target().LoadAppIcon(icon); }

bool LazyUi::ShowHelp(WindowHandle owner, const std::string& helpFile, unsigned command,
                      unsigned long topic) {
    return Target().ShowHelp(owner, helpFile, command, topic);
}

std::string GtkModulePath(const std::string& executablePath) {
    const std::size_t slash = executablePath.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : executablePath.substr(0, slash);
    return folder + "/../lib/korvlink/" + kGtkModuleFileName;
}
