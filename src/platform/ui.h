#pragma once

// The user-interface services korvlink uses, one interface for every platform.
// Backends: the Windows API (win32/), GTK 3 loaded on first need (gtk/, through posix/), a
// standard-error fallback (posix/) and a scripted model for tests (headless/).

#include <string>

// An opaque window of the backend; null means "no window".
using WindowHandle = void*;

class Ui {
public:
    virtual ~Ui() = default;

    // --- Messages -----------------------------------------------------------------------
    // Shows a modal message box owned by `owner` (none when null) with `text`, the caption
    // `caption` and the buttons and icon of `type` (MB_* values; the caller has chosen the
    // icon already). Returns the id of the button that closed it (IDOK for a box that could
    // only be acknowledged).
    virtual int ShowMessageBox(WindowHandle owner, const std::string& text,
                               const std::string& caption, unsigned type) = 0;
};
