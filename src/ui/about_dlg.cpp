#include "ui/about_dlg.h"

#include "ui/resources.h"

CAboutDlg::CAboutDlg() : CDialog(AboutDialogTemplate()) {}
