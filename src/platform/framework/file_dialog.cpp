#include "platform/framework.h"

std::vector<std::pair<std::string, std::string>> ParseFileFilter(const std::string& filter) {
    std::vector<std::pair<std::string, std::string>> pairs;
    std::size_t start = 0;
    while (start < filter.size()) {
        const std::size_t nameEnd = filter.find('|', start);
        if (nameEnd == std::string::npos || nameEnd == start) break;  // "||" ends the list
        const std::size_t patternEnd = filter.find('|', nameEnd + 1);
        const std::size_t end = patternEnd == std::string::npos ? filter.size() : patternEnd;
        pairs.emplace_back(filter.substr(start, nameEnd - start), filter.substr(nameEnd + 1, end - nameEnd - 1));
        start = end + 1;
    }
    return pairs;
}

CFileDialog::CFileDialog(bool /*openFileDialog*/, const std::string& defaultExtension,
                         const std::string& fileName, unsigned long flags, const std::string& filter,
                         CWnd* parent)
    : m_pParentWnd(parent) {
    m_request.initialName = fileName.substr(0, kMaxInitialFileName);
    m_request.defaultExtension = defaultExtension;
    m_request.flags = flags;
    m_request.filters = ParseFileFilter(filter);
}

int CFileDialog::DoModal() {
    CWinApp* app = AfxGetApp();
    WindowHandle owner = nullptr;
    if (m_pParentWnd != nullptr) {
        owner = m_pParentWnd->m_hWnd;
    } else if (app->m_pMainWnd != nullptr) {
        CDialog* active = CDialog::ActiveDialog();
        owner = active != nullptr ? active->m_hWnd : app->m_pMainWnd->m_hWnd;
    }
    const std::optional<std::string> chosen = app->GetUi().RunOpenFileDialog(m_request, owner);
    if (!chosen) return IDCANCEL;
    m_pathName = *chosen;
    return IDOK;
}
