// The main window: system menu commands, the minimized icon and the end of a launch.
#pragma once

#include "platform/win32/win32_core_dialog.h"
#include "platform/win32/win32_runner_host.h"
#include "ui/velmora_dlg.h"

namespace velmora::win32 {

class MainWindow final : public CoreDialogWindow {
public:
    MainWindow(CVelmoraDlg& dialog, WindowStack& windows, HINSTANCE instance, Win32RunnerHost& host)
        : CoreDialogWindow(dialog, windows, instance),
          m_dialog(dialog),
          m_host(host),
          m_icon(LoadAppIcon(instance)) {}

protected:
    std::optional<INT_PTR> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnListDoubleClick(int id) override;

private:
    void PaintMinimized();

    CVelmoraDlg& m_dialog;
    Win32RunnerHost& m_host;
    HICON m_icon;
};

}  // namespace velmora::win32
