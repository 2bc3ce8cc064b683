#include "platform/win32/win32_ui.h"

#include "platform/win_constants.h"
#include "platform/win32/windows_api.h"

#include <commdlg.h>

namespace {

// Room for any path the file dialog can return: the result is never cut at MAX_PATH.
constexpr std::size_t kFileNameBuffer = 32768;

// "Name\0pattern\0" for each filter, and one more NUL to end the list.
std::string FilterText(const FileDialogRequest& request) {
    std::string filter;
    for (const auto& [name, pattern] : request.filters) {
        filter += name;
        filter += '\0';
        filter += pattern;
        filter += '\0';
    }
    filter += '\0';
    return filter;
}

}  // namespace

int Win32Ui::ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                            unsigned type) {
    return MessageBoxA(static_cast<HWND>(owner), text.c_str(), caption.c_str(), type);
}

std::optional<std::string> Win32Ui::RunOpenFileDialog(const FileDialogRequest& request, WindowHandle owner) {
    std::string fileName = request.initialName;
    fileName.resize(kFileNameBuffer, '\0');
    const std::string filter = FilterText(request);

    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = static_cast<HWND>(owner);
    dialog.lpstrFilter = request.filters.empty() ? nullptr : filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = fileName.data();
    dialog.nMaxFile = static_cast<DWORD>(fileName.size());
    dialog.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
    dialog.Flags = request.flags | OFN_EXPLORER;
    dialog.lpstrDefExt = request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
    // Cancelled, closed, or the dialog failed (CommDlgExtendedError says why): nothing chosen.
    if (!GetOpenFileNameA(&dialog)) return std::nullopt;
    fileName.resize(fileName.find('\0'));
    return fileName;
}

IconHandle Win32Ui::LoadAppIcon(const IconArt& icon) {
    const HICON loaded = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(icon.id));
    // The help window shows the program's icon too.
    if (loaded != nullptr) m_help.UseIcon(loaded);
    return loaded;
}

bool Win32Ui::ShowHelp(WindowHandle /*owner*/, const std::string& helpFile, unsigned command,
                       unsigned long topic) {
    switch (command) {
        case HELP_CONTEXT:
            return m_help.ShowTopic(helpFile, topic);
        case HELP_QUIT:
            m_help.Close();
            return true;
        default:
            return false;
    }
}
