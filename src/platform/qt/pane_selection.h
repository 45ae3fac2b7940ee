// The user's selection in the output pane and the conversions between its byte and text positions.
#pragma once

#include <QStringView>
#include <algorithm>
#include <cstddef>
#include <string_view>
#include <utility>

namespace velmora::qt {

// What the user has selected, in bytes of the pane's UTF-8 text. It is kept apart from where
// the runner inserts output, so output arriving neither clears nor moves it.
class PaneSelection {
public:
    std::size_t Anchor() const { return m_anchor; }
    std::size_t Cursor() const { return m_cursor; }
    std::size_t Start() const { return std::min(m_anchor, m_cursor); }
    std::size_t End() const { return std::max(m_anchor, m_cursor); }
    bool Empty() const { return m_anchor == m_cursor; }

    void Select(std::size_t anchor, std::size_t cursor) {
        m_anchor = anchor;
        m_cursor = cursor;
    }
    void Clear() { Select(0, 0); }
    // Keeps the same text selected after bytes [start, end) were replaced by inserted bytes.
    void Replaced(std::size_t start, std::size_t end, std::size_t inserted);

private:
    std::size_t m_anchor = 0;
    std::size_t m_cursor = 0;
};

// How many UTF-16 code units the valid UTF-8 text decodes to.
std::size_t Utf16Length(std::string_view utf8);
// How many bytes text encodes to in UTF-8; text must not end inside a surrogate pair.
std::size_t Utf8Length(QStringView text);
// The first byte of the character holding the byte at position.
std::size_t CharStart(std::string_view utf8, std::size_t position);
// The word, run of blanks or single other character at index, as [first, last).
std::pair<qsizetype, qsizetype> WordAt(QStringView text, qsizetype index);

}  // namespace velmora::qt
