// The main window: system menu commands and the minimized icon.
#pragma once

#include "platform/win32/win32_core_dialog.h"

namespace velmora::win32 {

class MainWindow final : public CoreDialogWindow {
public:
    MainWindow(CDialog& dialog, WindowStack& windows, HINSTANCE instance)
        : CoreDialogWindow(dialog, windows, instance),
          m_dialog(dialog),
          m_icon(LoadAppIcon(instance)) {}

protected:
    std::optional<INT_PTR> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void PaintMinimized();

    CDialog& m_dialog;
    HICON m_icon;
};

}  // namespace velmora::win32
