#include "platform/headless/headless_ui.h"

#include "platform/win_constants.h"

int HeadlessUi::ShowMessageBox(WindowHandle owner, const std::string& text,
                               const std::string& caption, unsigned type) {
    messageBoxes.push_back({owner, text, caption, type});
    return IDOK;
}
