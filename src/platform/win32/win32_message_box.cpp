// MessageBoxA over the active window.
#include "platform/win32/win32_message_box.h"

#include <windows.h>

#include <string>

#include "platform/win32/win32_module.h"

namespace velmora::win32 {

void Win32MessageBox::Show(std::string_view text, MessageIcon icon) {
    const UINT style = MB_OK | (icon == MessageIcon::Stop ? MB_ICONSTOP : MB_ICONEXCLAMATION);
    ::MessageBoxA(m_windows.ActiveOwner(), std::string(text).c_str(), ApplicationName().c_str(),
                  style);
}

}  // namespace velmora::win32
