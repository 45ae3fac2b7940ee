// Appending indexes only the new bytes, so the cost of a line count stays constant.
#include "platform/qt/pane_text.h"

#include <algorithm>
#include <string>

namespace velmora::qt {

void PaneText::Clear() {
    m_bytes.Release();
    m_lineStarts.Release();
    m_lineStarts.PushBack(0);
    m_longestLine = 0;
}

std::string_view PaneText::Line(std::size_t index) const {
    const std::size_t start = m_lineStarts[index];
    const std::size_t end =
        index + 1 < m_lineStarts.Size() ? m_lineStarts[index + 1] - 1 : m_bytes.Size();
    return {m_bytes.Data() + start, end - start};
}

std::size_t PaneText::LineOf(std::size_t position) const {
    const std::size_t* begin = m_lineStarts.Data();
    const std::size_t* end = begin + m_lineStarts.Size();
    return static_cast<std::size_t>(std::upper_bound(begin, end, position) - begin) - 1;
}

void PaneText::IndexFrom(std::size_t position) {
    const char* data = m_bytes.Data();
    const std::size_t size = m_bytes.Size();
    std::size_t lineStart = m_lineStarts.Back();
    while (position < size) {
        const void* found = std::memchr(data + position, '\n', size - position);
        if (found == nullptr) {
            break;
        }
        const std::size_t breakAt =
            static_cast<std::size_t>(static_cast<const char*>(found) - data);
        m_longestLine = std::max(m_longestLine, breakAt - lineStart);
        lineStart = breakAt + 1;
        m_lineStarts.PushBack(lineStart);
        position = lineStart;
    }
    m_longestLine = std::max(m_longestLine, size - lineStart);
}

void PaneText::Append(std::string_view utf8) {
    const std::size_t oldSize = m_bytes.Size();
    m_bytes.Append(utf8.data(), utf8.size());
    IndexFrom(oldSize);
}

void PaneText::Replace(std::size_t start, std::size_t end, std::string_view utf8) {
    start = std::min(start, m_bytes.Size());
    end = std::clamp(end, start, m_bytes.Size());
    if (start == m_bytes.Size()) {
        Append(utf8);
        return;
    }
    // Rare (the runner only appends): rebuild from the first line touched.
    const std::string tail(m_bytes.Data() + end, m_bytes.Size() - end);
    const std::size_t line = LineOf(start);
    m_bytes.Truncate(start);
    m_bytes.Append(utf8.data(), utf8.size());
    m_bytes.Append(tail.data(), tail.size());
    m_lineStarts.Truncate(line + 1);
    m_longestLine = 0;
    for (std::size_t i = 0; i + 1 < m_lineStarts.Size(); ++i) {
        m_longestLine = std::max(m_longestLine, m_lineStarts[i + 1] - 1 - m_lineStarts[i]);
    }
    IndexFrom(m_lineStarts.Back());
}

}  // namespace velmora::qt
