#pragma once

// The setup dialog: the emulator command and the viewer command for editing, browse buttons to
// pick either program, Install to arm the shell registration, Help, and the About box in the
// window menu. It persists nothing itself: its owner loads the three fields before DoModal and
// reads them afterwards.

#include <string>

#include "platform/framework.h"

class CSetupDlg : public CDialog {
public:
    explicit CSetupDlg(CWnd* parent = nullptr);

    // Brings the viewer list and field in line with m_strViewerPath: the first entry that begins
    // with it (ignoring case) is selected, or it is added to the list and selected.
    void UpdateViewerList();

    IconHandle m_hIcon;
    // When DoModal returns, the two texts hold what the fields showed as the window closed.
    std::string m_strEmulatorPath;
    std::string m_strViewerPath;
    // Set once Install has been pressed; nothing in the dialog clears it.
    bool m_bInstall = false;

protected:
    bool OnInitDialog() override;
    const MessageMap* GetMessageMap() const override;

    void OnSysCommand(unsigned id, std::intptr_t lParam);
    void OnDestroy();
    void OnPaint();
    IconHandle OnQueryDragIcon();
    void OnBrowseEmulator();
    void OnBrowseViewer();
    void OnInstall();

private:
    // Runs the file-open dialog for a program; the chosen path, or nothing.
    std::optional<std::string> BrowseForProgram(const std::string& initialName);
};
