// Runs the core's dialogs on their templates, owned by the active window.
#pragma once

#include <windows.h>

#include "platform/win32/win32_window_stack.h"
#include "ui/dialog.h"

namespace velmora::win32 {

class Win32DialogRunner final : public DialogRunner {
public:
    Win32DialogRunner(HINSTANCE instance, WindowStack& windows)
        : m_instance(instance), m_windows(windows) {}

    int RunModal(CDialog& dialog) override;

private:
    HINSTANCE m_instance;
    WindowStack& m_windows;
};

}  // namespace velmora::win32
