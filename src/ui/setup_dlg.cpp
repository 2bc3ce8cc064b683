#include "ui/setup_dlg.h"

#include "ui/about_dlg.h"
#include "ui/resource.h"
#include "ui/resources.h"
#include "ui/setup_rules.h"

namespace {
constexpr char kProgramFilter[] = "Program Files|*.exe|All Files|*.*||";
}  // namespace

CSetupDlg::CSetupDlg(CWnd* parent)
    : CDialog(SetupDialogTemplate(), parent), m_hIcon(AfxGetApp()->LoadIcon(ProgramIcon())) {}

const CCmdTarget::MessageMap* CSetupDlg::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        OnSysCommandMessage(&CSetupDlg::OnSysCommand),
        OnMessage(WM_DESTROY, &CSetupDlg::OnDestroy),
        OnMessage(WM_PAINT, &CSetupDlg::OnPaint),
        OnQueryDragIconMessage(&CSetupDlg::OnQueryDragIcon),
        OnCommand(IDC_BROWSE_EMULATOR, &CSetupDlg::OnBrowseEmulator),
        OnCommand(IDC_BROWSE_VIEWER, &CSetupDlg::OnBrowseViewer),
        OnCommand(IDC_INSTALL, &CSetupDlg::OnInstall),
    };
    static const MessageMap map{CDialog::GetMessageMap(), entries, std::size(entries)};
    return &map;
}

bool CSetupDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    if (CMenu* systemMenu = GetSystemMenu(false)) {
        const std::string aboutMenu = LoadResourceString(IDS_ABOUTBOX);
        if (!aboutMenu.empty()) {
            systemMenu->AppendMenu(MF_SEPARATOR);
            systemMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, aboutMenu);
        }
    }
    SetIcon(m_hIcon, true);
    SetIcon(m_hIcon, false);

    SetDlgItemText(IDC_EMULATOR_PATH, m_strEmulatorPath);
    SetDlgItemText(IDC_VIEWER_PATH, m_strViewerPath);
    UpdateViewerList();
    return true;  // the focus goes to the emulator field
}

void CSetupDlg::UpdateViewerList() {
    int index = SendComboMessage(IDC_VIEWER_PATH, CB_FINDSTRING, -1, m_strViewerPath);
    if (index < 0) index = SendComboMessage(IDC_VIEWER_PATH, CB_ADDSTRING, 0, m_strViewerPath);
    SendComboMessage(IDC_VIEWER_PATH, CB_SETCURSEL, index);
}

void CSetupDlg::OnSysCommand(unsigned id, std::intptr_t lParam) {
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal();
    } else {
        CDialog::OnSysCommand(id, lParam);
    }
}

void CSetupDlg::OnDestroy() {
    WinHelp(0, HELP_QUIT);
    m_strEmulatorPath = GetDlgItemText(IDC_EMULATOR_PATH);
    m_strViewerPath = GetDlgItemText(IDC_VIEWER_PATH);
    CDialog::OnDestroy();
}

void CSetupDlg::OnPaint() {
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    dc.EraseIconBackground();
    CRect client;
    GetClientRect(&client);
    const IconPosition at = MinimizedIconPosition(client.Width(), client.Height(),
                                                  GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
    dc.DrawIcon(at.x, at.y, m_hIcon);
}

IconHandle CSetupDlg::OnQueryDragIcon() { return m_hIcon; }

std::optional<std::string> CSetupDlg::BrowseForProgram(const std::string& initialName) {
    CFileDialog dialog(true, "EXE", initialName, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kProgramFilter);
    if (dialog.DoModal() != IDOK) return std::nullopt;
    // A path with blanks is quoted, so the command it becomes still starts that program.
    return QuotedIfBlank(dialog.GetPathName());
}

void CSetupDlg::OnBrowseEmulator() {
    m_strEmulatorPath = GetDlgItemText(IDC_EMULATOR_PATH);
    const EmulatorCommandParts parts = SplitEmulatorCommand(m_strEmulatorPath);
    if (const std::optional<std::string> chosen = BrowseForProgram(parts.path)) {
        m_strEmulatorPath = *chosen + parts.tail;
        SetDlgItemText(IDC_EMULATOR_PATH, m_strEmulatorPath);
    }
}

void CSetupDlg::OnBrowseViewer() {
    m_strViewerPath = GetDlgItemText(IDC_VIEWER_PATH);
    if (const std::optional<std::string> chosen = BrowseForProgram(m_strViewerPath)) {
        // The previous viewer's parameters are not carried over.
        m_strViewerPath = *chosen;
        SetDlgItemText(IDC_VIEWER_PATH, m_strViewerPath);
        UpdateViewerList();
    }
}

void CSetupDlg::OnInstall() {
    m_bInstall = true;
    AfxMessageBox(kInstallMessage, MB_OK | MB_ICONINFORMATION);
}
