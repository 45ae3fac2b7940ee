// A modal dialog window whose messages go to a C++ object kept in the window's user data.
#pragma once

#include <windows.h>

#include <optional>

namespace velmora::win32 {

class DialogWindow {
public:
    virtual ~DialogWindow() = default;
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

    // Builds the window from template templateId and runs it until EndDialog; -1 when the
    // window cannot be created.
    INT_PTR RunModal(HINSTANCE instance, unsigned templateId, HWND owner);
    HWND Handle() const { return m_window; }

protected:
    DialogWindow() = default;
    // The dialog procedure's answer, or nothing to leave the message to the default handling.
    virtual std::optional<INT_PTR> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_window = nullptr;
};

}  // namespace velmora::win32
