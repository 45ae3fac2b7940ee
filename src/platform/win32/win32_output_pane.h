// The output pane on a multi-line edit control.
#pragma once

#include <windows.h>

#include "launch/output_pane.h"

namespace velmora::win32 {

class Win32OutputPane final : public OutputPane {
public:
    // Lifts the edit control's text limit, so long runs are never cut off.
    explicit Win32OutputPane(HWND edit);

    void SetText(std::string_view text) override;
    std::size_t GetTextLength() const override;
    void SetSel(std::size_t start, std::size_t end) override;
    void ScrollCaret() override;
    void ReplaceSel(std::string_view text) override;
    std::size_t GetLineCount() const override;
    void LineScroll(int columns, std::size_t lines) override;
    void SetReadOnly(bool readOnly) override;

private:
    HWND m_edit;
};

}  // namespace velmora::win32
