// Runs the core's dialogs on their templates, owned by the active window.
#pragma once

#include <windows.h>

#include "platform/win32/win32_runner_host.h"
#include "platform/win32/win32_window_stack.h"
#include "ui/dialog.h"

namespace velmora::win32 {

class Win32DialogRunner final : public DialogRunner {
public:
    Win32DialogRunner(HINSTANCE instance, WindowStack& windows, Win32RunnerHost& host)
        : m_instance(instance), m_windows(windows), m_host(host) {}

    int RunModal(CDialog& dialog) override;

private:
    HINSTANCE m_instance;
    WindowStack& m_windows;
    Win32RunnerHost& m_host;
};

}  // namespace velmora::win32
