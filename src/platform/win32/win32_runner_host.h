// Keeps the main window painted during a launch while it takes no input.
#pragma once

#include <windows.h>

#include "launch/runner_host.h"
#include "platform/win32/win32_window_stack.h"

namespace velmora::win32 {

class Win32RunnerHost final : public RunnerHost {
public:
    explicit Win32RunnerHost(WindowStack& windows) : m_windows(windows) {}

    // Disables the main window, as a modal dialog would.
    void LaunchStarted() override;
    // Runs every waiting message except input, which is dropped.
    void KeepAlive() override;
    // Gives the main window its input and its focus back.
    void LaunchEnded() override;

private:
    WindowStack& m_windows;
    HWND m_disabled = nullptr;
    HWND m_focus = nullptr;
};

}  // namespace velmora::win32
