#include "platform/headless/headless_ui.h"

#include <stdexcept>

#include "platform/win_constants.h"

namespace {

WindowHandle HandleFrom(int number) { return reinterpret_cast<WindowHandle>(static_cast<std::intptr_t>(number)); }

}  // namespace

// --- HeadlessUi -----------------------------------------------------------------------------------

int HeadlessUi::ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                               unsigned type) {
    messageBoxes.push_back({owner, text, caption, type});
    // The box is modal to its owner, which takes no input meanwhile.
    Dialog* ownerDialog = nullptr;
    for (Dialog* dialog : m_open) {
        if (dialog->Handle() == owner) ownerDialog = dialog;
    }
    if (ownerDialog != nullptr) ++ownerDialog->m_disabledBy;
    if (whileMessageBoxShows) whileMessageBoxShows(messageBoxes.back());
    if (ownerDialog != nullptr) --ownerDialog->m_disabledBy;
    return IDOK;
}

void HeadlessUi::WhenDialogOpens(int templateId, Script script) { m_scripts[templateId].push_back(std::move(script)); }

int HeadlessUi::RunModalDialog(const DialogTemplate& dialog, DialogEvents& events, WindowHandle owner) {
    if (dialogsCannotBeCreated) {
        dialogRuns.push_back({dialog.id, owner, -1});
        return -1;
    }
    Dialog window(*this, dialog, events, HandleFrom(m_nextHandle++));
    Dialog* ownerDialog = nullptr;
    for (Dialog* open : m_open) {
        if (open->Handle() == owner) ownerDialog = open;
    }
    if (ownerDialog != nullptr) ++ownerDialog->m_disabledBy;
    m_open.push_back(&window);

    window.m_focusFirst = events.OnDialogCreated(window);
    if (!window.m_result) {
        std::deque<Script>& scripts = m_scripts[dialog.id];
        if (!scripts.empty()) {
            Script script = std::move(scripts.front());
            scripts.pop_front();
            script(window);
        }
        if (!window.m_result) {
            errors.push_back("dialog " + std::to_string(dialog.id) + " was left open");
            window.m_result = IDCANCEL;
        }
    }
    // The window is destroyed with its controls still holding their texts.
    std::intptr_t ignored = 0;
    events.OnDialogMessage(WM_DESTROY, 0, 0, &ignored);

    m_open.pop_back();
    if (ownerDialog != nullptr) --ownerDialog->m_disabledBy;
    dialogRuns.push_back({dialog.id, owner, *window.m_result});
    return *window.m_result;
}

std::optional<std::string> HeadlessUi::RunOpenFileDialog(const FileDialogRequest& request, WindowHandle owner) {
    fileDialogs.push_back({request, owner});
    if (fileDialogAnswers.empty()) return std::nullopt;
    std::optional<std::string> answer = fileDialogAnswers.front();
    fileDialogAnswers.pop_front();
    return answer;
}

IconHandle HeadlessUi::LoadAppIcon(const IconArt& icon) { return &m_icons[icon.id]; }

bool HeadlessUi::ShowHelp(WindowHandle owner, const std::string& helpFile, unsigned command,
                          unsigned long topic) {
    helpCalls.push_back({owner, helpFile, command, topic});
    return helpEngineWorks;
}

// --- HeadlessUi::Dialog ---------------------------------------------------------------------------

HeadlessUi::Dialog::Dialog(HeadlessUi& ui, const DialogTemplate& dialog, DialogEvents& events,
                           WindowHandle handle)
    : m_ui(ui), m_template(dialog), m_events(events), m_handle(handle) {
    for (const ControlTemplate& control : dialog.controls) {
        if (control.id == -1) continue;
        Control& model = m_controls[control.id];
        model.control = &control;
        model.text = control.text;
        if (control.kind == ControlKind::kComboBox) model.list.emplace((control.style & CBS_SORT) != 0);
    }
}

HeadlessUi::Dialog::Control& HeadlessUi::Dialog::At(int id) {
    const auto found = m_controls.find(id);
    if (found == m_controls.end()) throw std::out_of_range("no control " + std::to_string(id));
    return found->second;
}

const HeadlessUi::Dialog::Control& HeadlessUi::Dialog::At(int id) const {
    return const_cast<Dialog*>(this)->At(id);
}

void HeadlessUi::Dialog::Send(unsigned message, std::uintptr_t wParam) {
    std::intptr_t result = 0;
    const bool handled = m_events.OnDialogMessage(message, wParam, 0, &result);
    if (handled) return;
    // The platform's default processing.
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) Send(WM_COMMAND, IDCANCEL);
    if (message == WM_PAINT) m_paintLog.push_back("default");
}

void HeadlessUi::Dialog::Type(int id, const std::string& text) {
    if (Accepts()) At(id).text = text;
}

void HeadlessUi::Dialog::Click(int id) {
    if (Accepts() && Visible(id)) Send(WM_COMMAND, static_cast<std::uintptr_t>(id));
}

void HeadlessUi::Dialog::PressEnter() {
    if (!Accepts()) return;
    for (const ControlTemplate& control : m_template.controls) {
        if (control.kind == ControlKind::kPushButton && (control.style & BS_DEFPUSHBUTTON) != 0) {
            Send(WM_COMMAND, static_cast<std::uintptr_t>(control.id));
            return;
        }
    }
    Send(WM_COMMAND, IDOK);
}

void HeadlessUi::Dialog::PressEscape() {
    if (Accepts()) Send(WM_COMMAND, IDCANCEL);
}

void HeadlessUi::Dialog::PressF1(bool withShiftCtrlOrAlt) {
    if (Accepts() && !withShiftCtrlOrAlt) Send(WM_COMMAND, ID_HELP);
}

void HeadlessUi::Dialog::ChooseSystemMenu(unsigned commandId) {
    if (Accepts()) Send(WM_SYSCOMMAND, commandId);
}

void HeadlessUi::Dialog::Minimize(Size clientSize) {
    m_iconic = true;
    m_clientSize = clientSize;
    Paint();
}

void HeadlessUi::Dialog::Paint() {
    m_paintLog.clear();
    Send(WM_PAINT, 0);
}

bool HeadlessUi::Dialog::Visible(int id) const { return At(id).visible; }

std::vector<std::string> HeadlessUi::Dialog::ListItems(int id) const { return At(id).list->Items(); }

int HeadlessUi::Dialog::Selection(int id) const { return At(id).selection; }

std::string HeadlessUi::Dialog::GetItemText(int id) const { return At(id).text; }

void HeadlessUi::Dialog::SetItemText(int id, const std::string& text) { At(id).text = text; }

void HeadlessUi::Dialog::ShowItem(int id, bool show) { At(id).visible = show; }

int HeadlessUi::Dialog::ComboFindString(int id, int startAfter, const std::string& text) const {
    return At(id).list->FindPrefix(startAfter, text);
}

int HeadlessUi::Dialog::ComboAddString(int id, const std::string& text) {
    if (m_ui.combosRefuseItems) return -2;  // CB_ERRSPACE
    return At(id).list->Add(text);
}

int HeadlessUi::Dialog::ComboSetCurSel(int id, int index) {
    Control& combo = At(id);
    if (index < 0 || index >= combo.list->Count()) {
        combo.selection = -1;
        return -1;
    }
    combo.selection = index;
    // The field shows the selected entry's whole text.
    combo.text = combo.list->Items()[static_cast<std::size_t>(index)];
    return index;
}

bool HeadlessUi::Dialog::HasSystemMenu() const { return (m_template.style & WS_SYSMENU) != 0; }

bool HeadlessUi::Dialog::AppendSystemMenuItem(unsigned flags, unsigned commandId, const std::string& text) {
    if (!HasSystemMenu()) return false;
    m_systemMenu.push_back({flags, commandId, text});
    return true;
}

void HeadlessUi::Dialog::DrawIcon(int x, int y, IconHandle icon) {
    m_paintLog.push_back("icon " + std::to_string(x) + "," + std::to_string(y) +
                         (icon == m_largeIcon ? " (window icon)" : " (other icon)"));
}

void HeadlessUi::Dialog::EndDialog(int result) {
    if (!m_result) m_result = result;
}
