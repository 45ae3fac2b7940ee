// Picks the window class for a dialog: the main window has messages of its own.
#include "platform/win32/win32_dialog_runner.h"

#include "platform/win32/main_window.h"
#include "res/resource.h"

namespace velmora::win32 {

int Win32DialogRunner::RunModal(CDialog& dialog) {
    HWND owner = m_windows.ActiveOwner();
    if (dialog.TemplateId() == IDD_VELMORA_DIALOG) {
        MainWindow window(dialog, m_windows, m_instance);
        return window.Run(owner);
    }
    CoreDialogWindow window(dialog, m_windows, m_instance);
    return window.Run(owner);
}

}  // namespace velmora::win32
