// Following the selection through edits, and the UTF-8, UTF-16 and word arithmetic it needs.
#include "platform/qt/pane_selection.h"

namespace velmora::qt {
namespace {

std::size_t Follow(std::size_t position, std::size_t start, std::size_t end, std::size_t inserted) {
    // Text appended right at the selection's end is new output, not part of what was selected.
    if (position <= start) {
        return position;
    }
    if (position < end) {
        return start;
    }
    return position - (end - start) + inserted;
}

enum class CharKind { kWord, kBlank, kOther };

CharKind KindOf(QChar c) {
    // Both halves of a surrogate pair count as word characters, so a word never splits a pair.
    if (c.isLetterOrNumber() || c.isMark() || c.isSurrogate() || c == QLatin1Char('_')) {
        return CharKind::kWord;
    }
    return c.isSpace() ? CharKind::kBlank : CharKind::kOther;
}

}  // namespace

void PaneSelection::Replaced(std::size_t start, std::size_t end, std::size_t inserted) {
    m_anchor = Follow(m_anchor, start, end, inserted);
    m_cursor = Follow(m_cursor, start, end, inserted);
}

std::size_t Utf16Length(std::string_view utf8) {
    std::size_t units = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        units += (byte & 0xC0) != 0x80;  // a character counts once, at its first byte
        units += byte >= 0xF0;           // and twice beyond the 16-bit range
    }
    return units;
}

std::size_t Utf8Length(QStringView text) {
    std::size_t bytes = 0;
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        bytes += unit < 0x80 ? 1 : unit < 0x800 || c.isSurrogate() ? 2 : 3;
    }
    return bytes;
}

std::size_t CharStart(std::string_view utf8, std::size_t position) {
    position = std::min(position, utf8.size());
    while (position > 0 && position < utf8.size() &&
           (static_cast<unsigned char>(utf8[position]) & 0xC0) == 0x80) {
        --position;
    }
    return position;
}

std::pair<qsizetype, qsizetype> WordAt(QStringView text, qsizetype index) {
    if (index < 0 || index >= text.size()) {
        return {index, index};
    }
    const CharKind kind = KindOf(text[index]);
    if (kind == CharKind::kOther) {
        return {index, index + 1};
    }
    qsizetype first = index;
    qsizetype last = index + 1;
    while (first > 0 && KindOf(text[first - 1]) == kind) {
        --first;
    }
    while (last < text.size() && KindOf(text[last]) == kind) {
        ++last;
    }
    return {first, last};
}

}  // namespace velmora::qt
