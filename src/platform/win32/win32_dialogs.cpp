// Modal dialogs from the executable's dialog resources, driven by the framework through
// DialogHost and DialogEvents, and the F1 key that asks for help in them.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/win_constants.h"
#include "platform/win32/win32_ui.h"
#include "platform/win32/windows_api.h"

namespace {

HICON IconFrom(IconHandle icon) { return static_cast<HICON>(const_cast<void*>(icon)); }

// A dialog window while it exists, as the framework sees it.
class Win32DialogHost : public DialogHost {
public:
    explicit Win32DialogHost(HWND window) : m_window(window) {}

    WindowHandle Handle() const override { return m_window; }

    std::string GetItemText(int id) const override {
        std::string text(256, '\0');
        while (true) {
            const UINT length = GetDlgItemTextA(m_window, id, text.data(), static_cast<int>(text.size()));
            // A text that filled the buffer may have been cut: try again with room to spare.
            if (length + 1 < text.size()) {
                text.resize(length);
                return text;
            }
            text.resize(text.size() * 2);
        }
    }
    void SetItemText(int id, const std::string& text) override { SetDlgItemTextA(m_window, id, text.c_str()); }
    void ShowItem(int id, bool show) override { ShowWindow(GetDlgItem(m_window, id), show ? SW_SHOW : SW_HIDE); }

    int ComboFindString(int id, int startAfter, const std::string& text) const override {
        return static_cast<int>(SendDlgItemMessageA(m_window, id, CB_FINDSTRING, static_cast<WPARAM>(startAfter),
                                                    reinterpret_cast<LPARAM>(text.c_str())));
    }
    int ComboAddString(int id, const std::string& text) override {
        return static_cast<int>(
            SendDlgItemMessageA(m_window, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    int ComboSetCurSel(int id, int index) override {
        return static_cast<int>(SendDlgItemMessageA(m_window, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0));
    }

    bool HasSystemMenu() const override { return GetSystemMenu(m_window, FALSE) != nullptr; }
    bool AppendSystemMenuItem(unsigned flags, unsigned commandId, const std::string& text) override {
        const HMENU menu = GetSystemMenu(m_window, FALSE);
        if (menu == nullptr) return false;
        const char* item = (flags & MF_SEPARATOR) != 0 ? nullptr : text.c_str();
        return AppendMenuA(menu, flags, commandId, item) != FALSE;
    }
    void SetIcon(IconHandle icon, bool large) override {
        SendMessageA(m_window, WM_SETICON, large ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(IconFrom(icon)));
    }
    bool IsIconic() const override { return ::IsIconic(m_window) != FALSE; }
    Size ClientSize() const override {
        RECT client = {};
        GetClientRect(m_window, &client);
        return {client.right - client.left, client.bottom - client.top};
    }
    Size IconMetrics() const override { return {GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)}; }

    // Painting begins with the first drawing of a WM_PAINT handler and ends after the handler.
    void EraseIconBackground() override {
        SendMessageA(m_window, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(PaintContext()), 0);
    }
    void DrawIcon(int x, int y, IconHandle icon) override { ::DrawIcon(PaintContext(), x, y, IconFrom(icon)); }
    void EndPainting() {
        if (m_paintContext == nullptr) return;
        EndPaint(m_window, &m_paint);
        m_paintContext = nullptr;
    }

    void EndDialog(int result) override { ::EndDialog(m_window, result); }

private:
    HDC PaintContext() {
        if (m_paintContext == nullptr) m_paintContext = BeginPaint(m_window, &m_paint);
        return m_paintContext;
    }

    HWND m_window;
    PAINTSTRUCT m_paint = {};
    HDC m_paintContext = nullptr;
};

// What the dialog procedure needs of one run of DialogBoxParamA.
struct RunningDialog {
    const DialogTemplate& dialog;
    DialogEvents& events;
    HWND owner;
    std::optional<Win32DialogHost> host;  // from WM_INITDIALOG on
};

// Our dialogs whose windows exist, outermost first.
std::vector<HWND> runningDialogs;

bool IsOurDialog(HWND window) {
    return window != nullptr && std::find(runningDialogs.begin(), runningDialogs.end(), window) != runningDialogs.end();
}

bool KeyIsDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

// The modal loops of dialogs (ours and message boxes) show every message they take to this hook
// before they handle it. F1 without Shift, Ctrl or Alt in one of our dialogs asks it for help,
// as its Help button does; F1 elsewhere (a message box, the file dialog) is left alone.
LRESULT CALLBACK TranslateF1(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_DIALOGBOX) {
        const MSG& message = *reinterpret_cast<const MSG*>(lParam);
        // Alt+F1 arrives as WM_SYSKEYDOWN.
        if (message.message == WM_KEYDOWN && message.wParam == VK_F1 && !KeyIsDown(VK_SHIFT) &&
            !KeyIsDown(VK_CONTROL) && !KeyIsDown(VK_MENU)) {
            const HWND dialog = GetAncestor(message.hwnd, GA_ROOT);
            if (IsOurDialog(dialog)) {
                // Posted, so that help (and a message box saying it failed) runs in the dialog's
                // own loop rather than inside this hook.
                PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(ID_HELP, BN_CLICKED), 0);
                return TRUE;
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The F1 hook of this thread, in place while any of our dialogs runs.
class F1Translation {
public:
    F1Translation() {
        if (s_users++ == 0) s_hook = SetWindowsHookExA(WH_MSGFILTER, TranslateF1, nullptr, GetCurrentThreadId());
    }
    ~F1Translation() {
        if (--s_users == 0 && s_hook != nullptr) {
            UnhookWindowsHookEx(s_hook);
            s_hook = nullptr;
        }
    }
    F1Translation(const F1Translation&) = delete;
    F1Translation& operator=(const F1Translation&) = delete;

private:
    static inline int s_users = 0;
    static inline HHOOK s_hook = nullptr;
};

RECT WorkAreaNear(HWND window) {
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcWork;
}

// A dialog whose template gives no position is centred over its owner, or in the work area when
// it has none, and moved inside the work area where it would stick out (the left and top edges
// win when it is larger).
void Centre(HWND window, HWND owner) {
    const bool overOwner = owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner);
    const RECT work = WorkAreaNear(overOwner ? owner : window);
    RECT over = work;
    if (overOwner) GetWindowRect(owner, &over);
    RECT rect = {};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    int x = over.left + (over.right - over.left - width) / 2;
    int y = over.top + (over.bottom - over.top - height) / 2;
    x = std::max<int>(work.left, std::min<int>(x, work.right - width));
    y = std::max<int>(work.top, std::min<int>(y, work.bottom - height));
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Forward(RunningDialog& running, UINT message, WPARAM wParam, LPARAM lParam, std::intptr_t* result = nullptr) {
    std::intptr_t ignored = 0;
    return running.events.OnDialogMessage(message, wParam, lParam, result != nullptr ? result : &ignored);
}

// Returning FALSE for a message lets the dialog manager do its default processing.
INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto& running = *reinterpret_cast<RunningDialog*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        runningDialogs.push_back(window);
        running.host.emplace(window);
        const bool focusFirstTabStop = running.events.OnDialogCreated(*running.host);
        if (running.dialog.rect.x == 0 && running.dialog.rect.y == 0) Centre(window, running.owner);
        return focusFirstTabStop ? TRUE : FALSE;
    }
    auto* running = reinterpret_cast<RunningDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    if (running == nullptr) return FALSE;  // before WM_INITDIALOG, or after the window is gone
    switch (message) {
        case WM_COMMAND: {
            // Button clicks, and the commands the dialog manager and the F1 key send; other
            // notifications (an edit's text changing, a list opening) are the controls' own.
            const unsigned id = LOWORD(wParam);
            if (HIWORD(wParam) != BN_CLICKED && id != IDOK && id != IDCANCEL && id != ID_HELP) return FALSE;
            return Forward(*running, message, id, lParam) ? TRUE : FALSE;
        }
        case WM_SYSCOMMAND:
        case WM_DESTROY:
            return Forward(*running, message, wParam, lParam) ? TRUE : FALSE;
        case WM_PAINT: {
            const bool handled = Forward(*running, message, wParam, lParam);
            running->host->EndPainting();
            return handled ? TRUE : FALSE;
        }
        case WM_QUERYDRAGICON: {
            // One of the few messages whose result the dialog procedure returns itself.
            std::intptr_t icon = 0;
            return Forward(*running, message, wParam, lParam, &icon) ? static_cast<INT_PTR>(icon) : FALSE;
        }
        case WM_NCDESTROY:
            SetWindowLongPtrA(window, DWLP_USER, 0);
            runningDialogs.erase(std::remove(runningDialogs.begin(), runningDialogs.end(), window),
                                 runningDialogs.end());
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

int Win32Ui::RunModalDialog(const DialogTemplate& dialog, DialogEvents& events, WindowHandle owner) {
    const F1Translation f1;
    RunningDialog running{dialog, events, static_cast<HWND>(owner), std::nullopt};
    const INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(dialog.id), running.owner,
                                           DialogProcedure, reinterpret_cast<LPARAM>(&running));
    // A window that never reached WM_INITDIALOG was not created.
    if (!running.host) return -1;
    return static_cast<int>(result);
}
