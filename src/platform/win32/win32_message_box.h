// The message box: one OK button, captioned with the application's name.
#pragma once

#include "platform/win32/win32_window_stack.h"
#include "ui/message_box.h"

namespace velmora::win32 {

class Win32MessageBox final : public MessageBoxService {
public:
    explicit Win32MessageBox(WindowStack& windows) : m_windows(windows) {}
    void Show(std::string_view text, MessageIcon icon) override;

private:
    WindowStack& m_windows;
};

}  // namespace velmora::win32
