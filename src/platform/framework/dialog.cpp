#include "platform/framework.h"

namespace {
// The innermost running dialog: dialogs nest strictly, each inside its owner's handler.
CDialog* activeDialog = nullptr;
}  // namespace

CDialog::CDialog(const DialogTemplate& dialogTemplate, CWnd* parent)
    : m_template(dialogTemplate), m_pParentWnd(parent) {}

CDialog::~CDialog() = default;

CDialog* CDialog::ActiveDialog() { return activeDialog; }

const CCmdTarget::MessageMap* CDialog::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        OnCommand(IDOK, &CDialog::OnOK),
        OnCommand(IDCANCEL, &CDialog::OnCancel),
    };
    static const MessageMap map{CWnd::GetMessageMap(), entries, std::size(entries)};
    return &map;
}

int CDialog::DoModal() {
    CWinApp* app = AfxGetApp();
    // A dialog without a parent belongs to the main window, unless it is the main window.
    WindowHandle owner = nullptr;
    if (m_pParentWnd != nullptr) {
        owner = m_pParentWnd->m_hWnd;
    } else if (app->m_pMainWnd != nullptr && app->m_pMainWnd != this) {
        owner = activeDialog != nullptr ? activeDialog->m_hWnd : app->m_pMainWnd->m_hWnd;
    }
    m_pOuterDialog = activeDialog;
    activeDialog = this;
    const int result = app->GetUi().RunModalDialog(m_template, *this, owner);
    activeDialog = m_pOuterDialog;
    // The window is gone, whatever happened to it.
    m_pHost = nullptr;
    m_hWnd = nullptr;
    return result;
}

bool CDialog::OnInitDialog() {
    for (const DialogInitRecord& record : m_template.initData) {
        if (record.message == kInitAddString && m_pHost->ComboAddString(record.controlId, record.text) < 0) {
            // A list that refuses its data ends the dialog at once.
            EndDialog(-1);
        }
    }
    DoDataExchange();
    // The help button shows only when something handles the help command.
    const bool helpHandled = HasHandler(WM_COMMAND, ID_HELP) || AfxGetApp()->HasHandler(WM_COMMAND, ID_HELP);
    if (m_template.FindControl(ID_HELP) != nullptr) m_pHost->ShowItem(ID_HELP, helpHandled);
    return true;
}

void CDialog::OnOK() {
    DoDataExchange();
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

bool CDialog::OnDialogCreated(DialogHost& host) {
    m_pHost = &host;
    m_hWnd = host.Handle();
    return OnInitDialog();
}

bool CDialog::OnDialogMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                              std::intptr_t* result) {
    m_bDefault = false;
    const int id = message == WM_COMMAND ? static_cast<int>(wParam & 0xFFFF) : 0;
    bool handled = OnCmdMsg(message, id, wParam, lParam, result);
    // A command the dialog does not handle goes on to the application object.
    if (!handled && message == WM_COMMAND) handled = AfxGetApp()->OnCmdMsg(message, id, wParam, lParam, result);

    if (message == WM_DESTROY) {
        // The main window is gone: nothing may be owned by it any more.
        CWinApp* app = AfxGetApp();
        if (app->m_pMainWnd == this) app->m_pMainWnd = nullptr;
    }
    return handled && !m_bDefault;
}
