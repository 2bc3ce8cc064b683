#pragma once

// A scripted Ui for tests. It models the controls of a dialog as the real ones behave (an edit
// holds any bytes; a sorted drop-down combo box finds by case-insensitive prefix and inserts in
// its sorted place), runs dialogs modally with their owners disabled, and records every message
// box, file dialog and help request. A test says what the user does in a dialog with a script
// per dialog template, run once the dialog is open.

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/common/combo_list.h"
#include "platform/ui.h"

class HeadlessUi : public Ui {
public:
    class Dialog;
    using Script = std::function<void(Dialog&)>;

    struct MessageBox {
        WindowHandle owner;
        std::string text;
        std::string caption;
        unsigned type;
    };
    struct FileDialogCall {
        FileDialogRequest request;
        WindowHandle owner;
    };
    struct HelpCall {
        WindowHandle owner;
        std::string helpFile;
        unsigned command;
        unsigned long topic;
    };
    struct DialogRun {
        int templateId;
        WindowHandle owner;
        int result;
    };

    // --- Ui ---------------------------------------------------------------------------------
    int ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                       unsigned type) override;
    int RunModalDialog(const DialogTemplate& dialog, DialogEvents& events, WindowHandle owner) override;
    std::optional<std::string> RunOpenFileDialog(const FileDialogRequest& request, WindowHandle owner) override;
    IconHandle LoadAppIcon(const IconArt& icon) override;
    bool ShowHelp(WindowHandle owner, const std::string& helpFile, unsigned command,
                  unsigned long topic) override;

    // --- Scripting --------------------------------------------------------------------------
    // What the user does the next time a dialog of `templateId` opens (scripts queue up).
    // A script that leaves the dialog open is a test error: the dialog is then cancelled and
    // the error recorded in `errors`.
    void WhenDialogOpens(int templateId, Script script);
    // Answers of the file-open dialog, in order; nothing left means Cancel.
    std::deque<std::optional<std::string>> fileDialogAnswers;
    // Called while a message box is on screen, e.g. to press F1 again meanwhile.
    std::function<void(const MessageBox&)> whileMessageBoxShows;
    bool helpEngineWorks = true;
    bool dialogsCannotBeCreated = false;
    bool combosRefuseItems = false;

    // --- What happened ----------------------------------------------------------------------
    std::vector<MessageBox> messageBoxes;
    std::vector<FileDialogCall> fileDialogs;
    std::vector<HelpCall> helpCalls;
    std::vector<DialogRun> dialogRuns;
    std::vector<std::string> errors;

private:
    std::map<int, std::deque<Script>> m_scripts;
    std::vector<Dialog*> m_open;
    std::map<int, int> m_icons;  // one handle per icon id
    int m_nextHandle = 1;
};

// One open dialog: the framework's view of it (DialogHost) and the user's (the actions).
class HeadlessUi::Dialog : public DialogHost {
public:
    Dialog(HeadlessUi& ui, const DialogTemplate& dialog, DialogEvents& events, WindowHandle handle);

    // --- What the user does; ignored while the dialog is disabled or after it ended ----------
    void Type(int id, const std::string& text);  // replaces a field's text, as typing does
    void Click(int id);                           // a button
    void PressEnter();                            // the default button
    void PressEscape();
    void PressF1(bool withShiftCtrlOrAlt = false);
    void ChooseSystemMenu(unsigned commandId);
    void Minimize(Size clientSize);               // and repaint
    void Paint();

    // --- What the user sees -------------------------------------------------------------------
    bool Visible(int id) const;
    std::vector<std::string> ListItems(int id) const;
    int Selection(int id) const;
    struct MenuItem {
        unsigned flags;
        unsigned id;
        std::string text;
    };
    const std::vector<MenuItem>& SystemMenu() const { return m_systemMenu; }
    IconHandle Icon(bool large) const { return large ? m_largeIcon : m_smallIcon; }
    // "erase", then "icon x,y" for each icon drawn, or "default" for the platform's painting.
    const std::vector<std::string>& PaintLog() const { return m_paintLog; }
    bool Enabled() const { return m_disabledBy == 0; }
    bool FocusOnFirstTabStop() const { return m_focusFirst; }
    const DialogTemplate& Template() const { return m_template; }
    std::optional<int> Result() const { return m_result; }

    // --- DialogHost ----------------------------------------------------------------------------
    WindowHandle Handle() const override { return m_handle; }
    std::string GetItemText(int id) const override;
    void SetItemText(int id, const std::string& text) override;
    void ShowItem(int id, bool show) override;
    int ComboFindString(int id, int startAfter, const std::string& text) const override;
    int ComboAddString(int id, const std::string& text) override;
    int ComboSetCurSel(int id, int index) override;
    bool HasSystemMenu() const override;
    bool AppendSystemMenuItem(unsigned flags, unsigned commandId, const std::string& text) override;
    void SetIcon(IconHandle icon, bool large) override { (large ? m_largeIcon : m_smallIcon) = icon; }
    bool IsIconic() const override { return m_iconic; }
    Size ClientSize() const override { return m_clientSize; }
    Size IconMetrics() const override { return {32, 32}; }
    void EraseIconBackground() override { m_paintLog.push_back("erase"); }
    void DrawIcon(int x, int y, IconHandle icon) override;
    void EndDialog(int result) override;

private:
    friend class HeadlessUi;

    struct Control {
        const ControlTemplate* control;
        std::string text;
        bool visible = true;
        std::optional<ComboList> list;
        int selection = -1;
    };
    bool Accepts() const { return Enabled() && !m_result; }
    void Send(unsigned message, std::uintptr_t wParam);
    Control& At(int id);
    const Control& At(int id) const;

    HeadlessUi& m_ui;
    const DialogTemplate& m_template;
    DialogEvents& m_events;
    WindowHandle m_handle;
    std::map<int, Control> m_controls;
    std::vector<MenuItem> m_systemMenu;
    IconHandle m_largeIcon = nullptr;
    IconHandle m_smallIcon = nullptr;
    bool m_iconic = false;
    Size m_clientSize{400, 300};
    std::vector<std::string> m_paintLog;
    std::optional<int> m_result;
    int m_disabledBy = 0;  // how many modal windows it owns right now
    bool m_focusFirst = false;
};
