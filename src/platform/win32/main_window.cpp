// The main window's own messages; everything else is the dialog's.
#include "platform/win32/main_window.h"

#include "ui/minimized_icon.h"

namespace velmora::win32 {

std::optional<INT_PTR> MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SYSCOMMAND:
            if (m_dialog.OnSysCommand(static_cast<unsigned>(wParam))) {
                return TRUE;
            }
            return std::nullopt;
        case WM_PAINT:
            if (!::IsIconic(Handle())) {
                return std::nullopt;
            }
            PaintMinimized();
            return TRUE;
        case WM_QUERYDRAGICON:
            return reinterpret_cast<INT_PTR>(m_icon);
        default:
            return CoreDialogWindow::HandleMessage(message, wParam, lParam);
    }
}

void MainWindow::PaintMinimized() {
    PAINTSTRUCT paint{};
    HDC dc = ::BeginPaint(Handle(), &paint);
    ::SendMessageA(Handle(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client{};
    ::GetClientRect(Handle(), &client);
    const IconOrigin origin =
        MinimizedIconOrigin(client.left, client.top, client.right, client.bottom,
                            ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON));
    ::DrawIcon(dc, origin.x, origin.y, m_icon);
    ::EndPaint(Handle(), &paint);
}

}  // namespace velmora::win32
