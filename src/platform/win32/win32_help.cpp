#include "platform/win32/win32_help.h"

#include <algorithm>
#include <optional>

#include "platform/common/help_file.h"
#include "platform/win32/windows_api.h"

namespace {

constexpr char kWindowClass[] = "KorvlinkHelp";
constexpr int kTextId = 1;
// The window fits lines of this many characters, and this many lines, where the screen allows.
constexpr int kColumns = 100;
constexpr int kRows = 36;

std::optional<std::string> ReadHelpFile(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes;
    char chunk[16384];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(file, chunk, sizeof chunk, &got, nullptr) != FALSE) && got > 0) bytes.append(chunk, got);
    CloseHandle(file);
    if (!ok) return std::nullopt;
    return bytes;
}

// A multi-line edit breaks lines at CR LF only.
std::string WithCrLf(const std::string& text) {
    std::string converted;
    converted.reserve(text.size() + text.size() / 16);
    for (const char c : text) {
        if (c == '\n') converted += '\r';
        converted += c;
    }
    return converted;
}

// The help text keeps columns aligned with blanks, so it is shown in a fixed-pitch font.
HFONT HelpFont() {
    static const HFONT font = [] {
        const HDC screen = GetDC(nullptr);
        const int height = -MulDiv(9, GetDeviceCaps(screen, LOGPIXELSY), 72);
        ReleaseDC(nullptr, screen);
        return CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "Courier New");
    }();
    return font;
}

// The outer size of a window whose text field shows kColumns by kRows characters, kept inside
// the work area.
SIZE HelpWindowSize(DWORD style, DWORD exStyle) {
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(screen, HelpFont());
    TEXTMETRICA metrics = {};
    GetTextMetricsA(screen, &metrics);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);

    const int margins = 2 * (GetSystemMetrics(SM_CXEDGE) + 6);
    RECT rect = {0, 0, kColumns * metrics.tmAveCharWidth + GetSystemMetrics(SM_CXVSCROLL) + margins,
                 kRows * metrics.tmHeight + margins};
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return {std::min(rect.right - rect.left, work.right - work.left),
            std::min(rect.bottom - rect.top, work.bottom - work.top)};
}

}  // namespace

// The window's procedure, with access to the HelpWindow that made it.
class HelpWindowProcedure {
public:
    static LRESULT CALLBACK Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
            case WM_NCCREATE: {
                const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
                SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
                break;
            }
            case WM_CREATE: {
                const HWND text = CreateWindowExA(
                    WS_EX_CLIENTEDGE, "EDIT", "",
                    WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0, 0, 0,
                    window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTextId)), GetModuleHandleA(nullptr),
                    nullptr);
                if (text == nullptr) return -1;
                SendMessageA(text, WM_SETFONT, reinterpret_cast<WPARAM>(HelpFont()), FALSE);
                SendMessageA(text, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(6, 6));
                return 0;
            }
            case WM_SIZE:
                MoveWindow(GetDlgItem(window, kTextId), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
                return 0;
            case WM_SETFOCUS:
                SetFocus(GetDlgItem(window, kTextId));
                return 0;
            case WM_CTLCOLORSTATIC:
                // A read-only field would be grey, like a disabled one: this is text to read.
                SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOWTEXT));
                SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
            case WM_NCDESTROY:
                // Closed by the user or by HELP_QUIT: the next request opens a new window.
                if (auto* owner = reinterpret_cast<HelpWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA))) {
                    owner->m_window = nullptr;
                }
                break;
            default:
                break;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }
};

HelpWindow::~HelpWindow() { Close(); }

bool HelpWindow::ShowTopic(const std::string& helpFile, unsigned long topic) {
    const std::optional<std::string> file = ReadHelpFile(helpFile);
    if (!file) return false;
    const std::optional<HelpTopic> found = FindHelpTopic(*file, topic);
    if (!found) return false;

    HWND window = static_cast<HWND>(m_window);
    if (window == nullptr) {
        const HINSTANCE instance = GetModuleHandleA(nullptr);
        WNDCLASSEXA windowClass = {};
        windowClass.cbSize = sizeof windowClass;
        if (!GetClassInfoExA(instance, kWindowClass, &windowClass)) {
            windowClass.cbSize = sizeof windowClass;
            windowClass.lpfnWndProc = HelpWindowProcedure::Handle;
            windowClass.hInstance = instance;
            windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
            windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
            windowClass.lpszClassName = kWindowClass;
            if (RegisterClassExA(&windowClass) == 0) return false;
        }
        const DWORD style = WS_OVERLAPPEDWINDOW;
        const SIZE size = HelpWindowSize(style, 0);
        // No owner: a modal dialog disables its owner, and help must stay usable beside it.
        window = CreateWindowExA(0, kWindowClass, "", style, CW_USEDEFAULT, CW_USEDEFAULT, size.cx, size.cy, nullptr,
                                 nullptr, instance, this);
        if (window == nullptr) return false;
        m_window = window;
        if (m_icon != nullptr) {
            const LPARAM icon = reinterpret_cast<LPARAM>(const_cast<void*>(m_icon));
            SendMessageA(window, WM_SETICON, ICON_BIG, icon);
            SendMessageA(window, WM_SETICON, ICON_SMALL, icon);
        }
    }
    SetWindowTextA(window, found->title.c_str());
    const HWND text = GetDlgItem(window, kTextId);
    SetWindowTextA(text, WithCrLf(found->text).c_str());
    SendMessageA(text, EM_SETSEL, 0, 0);
    SendMessageA(text, EM_SCROLLCARET, 0, 0);
    ShowWindow(window, IsIconic(window) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(window);
    return true;
}

void HelpWindow::Close() {
    if (m_window != nullptr) DestroyWindow(static_cast<HWND>(m_window));
    m_window = nullptr;
}
