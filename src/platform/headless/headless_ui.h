#pragma once

// A scripted Ui for tests: it records every message box and answers with IDOK.

#include <string>
#include <vector>

#include "platform/ui.h"

class HeadlessUi : public Ui {
public:
    struct MessageBox {
        WindowHandle owner;
        std::string text;
        std::string caption;
        unsigned type;
    };

    int ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                       unsigned type) override;

    std::vector<MessageBox> messageBoxes;
};
