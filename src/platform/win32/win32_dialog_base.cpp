// The static dialog procedure that forwards each message to its DialogWindow.
#include "platform/win32/win32_dialog_base.h"

namespace velmora::win32 {

INT_PTR DialogWindow::RunModal(HINSTANCE instance, unsigned templateId, HWND owner) {
    return ::DialogBoxParamA(instance, MAKEINTRESOURCEA(templateId), owner, DialogProc,
                             reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK DialogWindow::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DialogWindow* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<DialogWindow*>(lParam);
        ::SetWindowLongPtrA(window, DWLP_USER, lParam);
        self->m_window = window;
    } else {
        self = reinterpret_cast<DialogWindow*>(::GetWindowLongPtrA(window, DWLP_USER));
    }
    // Messages that arrive before WM_INITDIALOG (font, sizing) keep their default handling.
    if (self == nullptr) {
        return FALSE;
    }
    const std::optional<INT_PTR> answer = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(window, DWLP_USER, 0);
        self->m_window = nullptr;
    }
    return answer.value_or(FALSE);
}

}  // namespace velmora::win32
