#include "platform/framework.h"

CMenu* CWnd::GetSystemMenu(bool /*revert*/) {
    if (m_pHost == nullptr || !m_pHost->HasSystemMenu()) return nullptr;
    if (!m_systemMenu) m_systemMenu.emplace(*m_pHost);
    return &*m_systemMenu;
}

int CWnd::SendComboMessage(int id, unsigned message, int index, const std::string& text) {
    switch (message) {
        case CB_FINDSTRING: return m_pHost->ComboFindString(id, index, text);
        case CB_ADDSTRING: return m_pHost->ComboAddString(id, text);
        case CB_SETCURSEL: return m_pHost->ComboSetCurSel(id, index);
        default: return -1;
    }
}

void CWnd::GetClientRect(CRect* rect) const {
    const Size size = m_pHost->ClientSize();
    *rect = CRect{0, 0, size.width, size.height};
}

int CWnd::GetSystemMetrics(int index) const {
    const Size icon = m_pHost->IconMetrics();
    switch (index) {
        case SM_CXICON: return icon.width;
        case SM_CYICON: return icon.height;
        default: return 0;
    }
}

void CWnd::WinHelp(unsigned long data, unsigned command) {
    CWinApp* app = AfxGetApp();
    // While a failure is on screen, a further request for help does nothing.
    if (app->m_bReportingHelpFailure) return;
    const WindowHandle owner = app->m_pMainWnd != nullptr ? app->m_pMainWnd->m_hWnd : m_hWnd;
    if (app->GetUi().ShowHelp(owner, app->m_pszHelpFilePath, command, data)) return;
    app->m_bReportingHelpFailure = true;
    AfxMessageBox(kFailedToLaunchHelp);
    app->m_bReportingHelpFailure = false;
}

CPaintDC::CPaintDC(CWnd* window) : m_host(*window->m_pHost) {}

void CPaintDC::DrawIcon(int x, int y, IconHandle icon) { m_host.DrawIcon(x, y, icon); }

void CPaintDC::EraseIconBackground() { m_host.EraseIconBackground(); }
