// The output pane's text: UTF-8 bytes with an index of where each line starts.
#pragma once

#include <string_view>

#include "platform/qt/grow_buffer.h"

namespace velmora::qt {

// Lines are separated by '\n'; an empty text has one empty line, as an edit control does.
class PaneText {
public:
    PaneText() { Clear(); }

    void Clear();
    std::size_t Size() const { return m_bytes.Size(); }
    std::size_t LineCount() const { return m_lineStarts.Size(); }
    // The text of line index, without its line break.
    std::string_view Line(std::size_t index) const;
    std::size_t LineStart(std::size_t index) const { return m_lineStarts[index]; }
    std::size_t LineOf(std::size_t position) const;
    std::string_view All() const { return {m_bytes.Data(), m_bytes.Size()}; }
    // The longest line in bytes, a cheap first guess at the widest one.
    std::size_t LongestLine() const { return m_longestLine; }

    void Append(std::string_view utf8);
    void Replace(std::size_t start, std::size_t end, std::string_view utf8);

private:
    void IndexFrom(std::size_t position);

    GrowBuffer<char> m_bytes;
    GrowBuffer<std::size_t> m_lineStarts;
    std::size_t m_longestLine = 0;
};

}  // namespace velmora::qt
