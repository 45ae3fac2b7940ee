// Forwarding a dialog window's messages to the core, and the view the core works on.
#include "platform/win32/win32_core_dialog.h"

#include <string>

#include "platform/win32/win32_module.h"
#include "res/resource.h"

namespace velmora::win32 {
namespace {

// The framework gives every dialog the help context 0x20000 plus its template id.
constexpr DWORD kDialogHelpContextBase = 0x20000;

BOOL CALLBACK LiftEditLimit(HWND child, LPARAM) {
    char className[16] = {};
    if (::GetClassNameA(child, className, sizeof className) > 0 &&
        ::lstrcmpiA(className, "Edit") == 0) {
        ::SendMessageA(child, EM_SETLIMITTEXT, 0, 0);
    }
    return TRUE;
}

RECT WorkAreaNear(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoA(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcWork;
}

// Dialogs without a position of their own open centred over a visible owner, else over the
// work area, and never reach past the work area's edges.
void CenterOverOwner(HWND dialog) {
    HWND owner = ::GetWindow(dialog, GW_OWNER);
    const RECT area = WorkAreaNear(owner != nullptr ? owner : dialog);
    RECT over = area;
    if (owner != nullptr && ::IsWindowVisible(owner) && !::IsIconic(owner)) {
        ::GetWindowRect(owner, &over);
    }
    RECT own{};
    ::GetWindowRect(dialog, &own);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    int x = (over.left + over.right - width) / 2;
    int y = (over.top + over.bottom - height) / 2;
    if (x + width > area.right)
        x = area.right - width;
    if (y + height > area.bottom)
        y = area.bottom - height;
    if (x < area.left)
        x = area.left;
    if (y < area.top)
        y = area.top;
    ::SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

HICON LoadAppIcon(HINSTANCE instance) {
    return ::LoadIconA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME));
}

int CoreDialogWindow::Run(HWND owner) {
    const INT_PTR result = RunModal(m_instance, m_dialog.TemplateId(), owner);
    m_dialog.Attach(nullptr);
    return static_cast<int>(result);
}

std::optional<INT_PTR> CoreDialogWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog();
        case WM_COMMAND:
            return OnCommand(wParam, lParam);
        case WM_HELP:
            ::WinHelpA(Handle(), HelpFilePath().c_str(), HELP_CONTEXT,
                       kDialogHelpContextBase + m_dialog.TemplateId());
            return TRUE;
        case WM_DESTROY:
            m_dialog.Attach(nullptr);
            m_windows.Pop(Handle());
            m_panes.clear();
            m_lists.clear();
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

INT_PTR CoreDialogWindow::OnInitDialog() {
    m_windows.Push(Handle());
    ::EnumChildWindows(Handle(), LiftEditLimit, 0);
    m_dialog.Attach(this);
    const bool defaultFocus = m_dialog.OnInitDialog();
    if ((::GetWindowLongA(Handle(), GWL_STYLE) & DS_CENTER) == 0) {
        CenterOverOwner(Handle());
    }
    return defaultFocus ? TRUE : FALSE;
}

std::optional<INT_PTR> CoreDialogWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    // Menus and accelerators come without a control; of the controls only a button's click is
    // a command (Enter and Escape arrive as clicks of IDOK and IDCANCEL).
    if (lParam == 0 || code == BN_CLICKED) {
        if (m_dialog.OnCommand(static_cast<unsigned>(id))) {
            return TRUE;
        }
        return std::nullopt;
    }
    if (code == LBN_DBLCLK) {
        char className[16] = {};
        ::GetClassNameA(reinterpret_cast<HWND>(lParam), className, sizeof className);
        if (::lstrcmpiA(className, "ListBox") == 0) {
            OnListDoubleClick(id);
            return TRUE;
        }
    }
    return std::nullopt;
}

std::string CoreDialogWindow::GetItemText(int id) const {
    HWND item = ::GetDlgItem(Handle(), id);
    if (item == nullptr) {
        return {};
    }
    const int length = ::GetWindowTextLengthA(item);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = ::GetWindowTextA(item, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

void CoreDialogWindow::SetItemText(int id, std::string_view text) {
    ::SetDlgItemTextA(Handle(), id, std::string(text).c_str());
}

void CoreDialogWindow::EndDialog(int result) {
    ::EndDialog(Handle(), result);
}

OutputPane* CoreDialogWindow::EditControl(int id) {
    auto& pane = m_panes[id];
    if (!pane) {
        HWND edit = ::GetDlgItem(Handle(), id);
        if (edit == nullptr) {
            return nullptr;
        }
        pane = std::make_unique<Win32OutputPane>(edit);
    }
    return pane.get();
}

ListBoxControl* CoreDialogWindow::ListBox(int id) {
    auto& list = m_lists[id];
    if (!list) {
        if (::GetDlgItem(Handle(), id) == nullptr) {
            return nullptr;
        }
        list = std::make_unique<Win32ListBox>(Handle(), id);
    }
    return list.get();
}

bool CoreDialogWindow::AppendSystemMenuEntry(unsigned id, std::string_view text) {
    HMENU menu = ::GetSystemMenu(Handle(), FALSE);
    if (menu == nullptr) {
        return false;
    }
    ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(menu, MF_STRING, id, std::string(text).c_str());
    return true;
}

void CoreDialogWindow::SetIcons() {
    HICON icon = LoadAppIcon(m_instance);
    ::SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    ::SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

}  // namespace velmora::win32
