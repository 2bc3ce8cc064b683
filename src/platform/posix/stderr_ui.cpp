#include "platform/posix/stderr_ui.h"

#include <cstdio>

#include "platform/win_constants.h"

int StderrUi::ShowMessageBox(WindowHandle /*owner*/, const std::string& text,
                             const std::string& caption, unsigned /*type*/) {
    std::string line = caption + ": ";
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        if (text[i] == '\n' || text[i] == '\r') {
            line += " / ";
        } else {
            line += text[i];
        }
    }
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
    return IDOK;
}

int StderrUi::RunModalDialog(const DialogTemplate& dialog, DialogEvents& /*events*/, WindowHandle /*owner*/) {
    const std::string line = dialog.caption + ": cannot be shown: " + m_whyNoWindows + ".\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
    return -1;
}
