// Character boundaries for double-byte and locale code pages.
#include "text/code_page.h"

#include <cwchar>

namespace velmora {

std::size_t DoubleByteCodePage::CharLength(std::string_view text, std::size_t pos) const {
    // A lead byte at the very end has no trail byte; it then counts as one character alone.
    if (m_isLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size()) {
        return 2;
    }
    return 1;
}

std::size_t LocaleCodePage::CharLength(std::string_view text, std::size_t pos) const {
    std::mbstate_t state{};
    const std::size_t n = std::mbrlen(text.data() + pos, text.size() - pos, &state);
    // Invalid or incomplete sequences and embedded NULs advance by one byte.
    if (n == 0 || n == static_cast<std::size_t>(-1) || n == static_cast<std::size_t>(-2)) {
        return 1;
    }
    return n;
}

bool IsShiftJisLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

}  // namespace velmora
