// The message pump that runs while a child runs.
#include "platform/win32/win32_runner_host.h"

namespace velmora::win32 {
namespace {

// Enough to repaint after each chunk without letting a flood of messages hold the runner.
constexpr int kMessagesPerCall = 64;

bool IsInput(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK) ||
           message == WM_NCMOUSEHOVER || message == WM_NCMOUSELEAVE || message == WM_INPUT;
}

}  // namespace

void Win32RunnerHost::LaunchStarted() {
    HWND main = m_windows.MainWindow();
    if (m_disabled == nullptr && main != nullptr && ::IsWindowEnabled(main)) {
        m_focus = ::GetFocus();
        ::EnableWindow(main, FALSE);
        m_disabled = main;
    }
}

void Win32RunnerHost::KeepAlive() {
    MSG message{};
    for (int i = 0; i < kMessagesPerCall && ::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);
         ++i) {
        if (message.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (IsInput(message.message)) {
            continue;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
}

void Win32RunnerHost::LaunchEnded() {
    if (m_disabled == nullptr) {
        return;
    }
    ::EnableWindow(m_disabled, TRUE);
    if (m_focus != nullptr && ::IsWindow(m_focus)) {
        ::SetFocus(m_focus);
    }
    m_disabled = nullptr;
    m_focus = nullptr;
}

}  // namespace velmora::win32
