#pragma once

// The About box: the program's icon, name and version and its notices. Everything it does is
// the framework's dialog handling: "Nice!" or Enter closes it with IDOK, Escape or Close with IDCANCEL.

#include "platform/framework.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
};
