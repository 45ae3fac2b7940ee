// The read-only text pane that shows what the emulator prints.
#pragma once

#include <cstddef>
#include <string_view>

namespace velmora {

// Mirrors a multi-line edit control; the runner appends through these operations only.
class OutputPane {
public:
    virtual ~OutputPane() = default;
    virtual void SetText(std::string_view text) = 0;
    virtual std::size_t GetTextLength() const = 0;
    virtual void SetSel(std::size_t start, std::size_t end) = 0;
    virtual void ScrollCaret() = 0;
    // Inserts text in place of the selection; the insertion cannot be undone.
    virtual void ReplaceSel(std::string_view text) = 0;
    virtual std::size_t GetLineCount() const = 0;
    virtual void LineScroll(int columns, std::size_t lines) = 0;
    virtual void SetReadOnly(bool readOnly) = 0;
    // What separates two lines in this pane's text.
    virtual std::string_view LineBreak() const { return "\r\n"; }
};

}  // namespace velmora
