// The two open-file pickers of the path setup dialog, on GetOpenFileNameA.
#pragma once

#include "platform/win32/win32_window_stack.h"
#include "ui/file_picker.h"

namespace velmora::win32 {

class Win32FilePicker final : public FilePicker {
public:
    explicit Win32FilePicker(WindowStack& windows) : m_windows(windows) {}
    std::optional<std::string> Pick(FilePickerKind kind) override;

private:
    WindowStack& m_windows;
};

}  // namespace velmora::win32
