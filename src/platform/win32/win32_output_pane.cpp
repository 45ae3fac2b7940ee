// The pane's operations as edit-control messages.
#include "platform/win32/win32_output_pane.h"

#include <climits>
#include <string>

namespace velmora::win32 {
namespace {

// Edit-control positions are 32-bit; a text longer than that cannot be in the control.
WPARAM Position(std::size_t position) {
    return static_cast<WPARAM>(position > INT_MAX ? INT_MAX : position);
}

}  // namespace

Win32OutputPane::Win32OutputPane(HWND edit) : m_edit(edit) {
    ::SendMessageA(m_edit, EM_SETLIMITTEXT, 0, 0);
}

void Win32OutputPane::SetText(std::string_view text) {
    ::SetWindowTextA(m_edit, std::string(text).c_str());
}

std::size_t Win32OutputPane::GetTextLength() const {
    const int length = ::GetWindowTextLengthA(m_edit);
    return length > 0 ? static_cast<std::size_t>(length) : 0;
}

void Win32OutputPane::SetSel(std::size_t start, std::size_t end) {
    ::SendMessageA(m_edit, EM_SETSEL, Position(start), static_cast<LPARAM>(Position(end)));
}

void Win32OutputPane::ScrollCaret() {
    ::SendMessageA(m_edit, EM_SCROLLCARET, 0, 0);
}

void Win32OutputPane::ReplaceSel(std::string_view text) {
    const std::string terminated(text);
    ::SendMessageA(m_edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(terminated.c_str()));
}

std::size_t Win32OutputPane::GetLineCount() const {
    const LRESULT lines = ::SendMessageA(m_edit, EM_GETLINECOUNT, 0, 0);
    return lines > 0 ? static_cast<std::size_t>(lines) : 0;
}

void Win32OutputPane::LineScroll(int columns, std::size_t lines) {
    ::SendMessageA(m_edit, EM_LINESCROLL, static_cast<WPARAM>(columns),
                   static_cast<LPARAM>(Position(lines)));
}

void Win32OutputPane::SetReadOnly(bool readOnly) {
    ::SendMessageA(m_edit, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

}  // namespace velmora::win32
