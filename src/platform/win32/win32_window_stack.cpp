// The owner lookup of the running dialogs.
#include "platform/win32/win32_window_stack.h"

#include <algorithm>

namespace velmora::win32 {

void WindowStack::Pop(HWND window) {
    const auto found = std::find(m_windows.rbegin(), m_windows.rend(), window);
    if (found != m_windows.rend()) {
        m_windows.erase(std::next(found).base());
    }
}

HWND WindowStack::ActiveOwner() const {
    HWND main = MainWindow();
    if (main == nullptr) {
        return nullptr;
    }
    HWND popup = ::GetLastActivePopup(main);
    // A dialog still in its initialisation has never been active; the innermost one owns.
    if (popup == main && m_windows.size() > 1) {
        return m_windows.back();
    }
    return popup != nullptr ? popup : m_windows.back();
}

}  // namespace velmora::win32
