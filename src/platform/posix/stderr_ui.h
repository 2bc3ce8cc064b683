#pragma once

// The user interface without a display: each message is one line "TITLE: text" on standard
// error, answered as OK. Line breaks inside a message are written as " / " so that the line
// stays one line for whoever reads the log.

#include "platform/ui.h"

class StderrUi : public Ui {
public:
    int ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                       unsigned type) override;
};
