#pragma once

// The Windows user interface: real message boxes.

#include "platform/ui.h"

class Win32Ui : public Ui {
public:
    int ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                       unsigned type) override;
};
