// Character boundaries of a multi-byte code page, so that searches never match a trail byte.
#pragma once

#include <cstddef>
#include <string_view>

namespace velmora {

class CodePage {
public:
    virtual ~CodePage() = default;
    // Bytes taken by the character that starts at text[pos]; always at least 1.
    virtual std::size_t CharLength(std::string_view text, std::size_t pos) const = 0;
};

// A code page in which a lead byte starts a two-byte character (Windows' DBCS code pages).
class DoubleByteCodePage final : public CodePage {
public:
    using LeadBytePredicate = bool (*)(unsigned char);
    explicit DoubleByteCodePage(LeadBytePredicate isLeadByte) : m_isLeadByte(isLeadByte) {}
    std::size_t CharLength(std::string_view text, std::size_t pos) const override;

private:
    LeadBytePredicate m_isLeadByte;
};

// The multi-byte rules of the current C locale (LC_CTYPE), as mbrlen reports them.
class LocaleCodePage final : public CodePage {
public:
    std::size_t CharLength(std::string_view text, std::size_t pos) const override;
};

// Shift-JIS: lead bytes 0x81-0x9F and 0xE0-0xFC, whose trail bytes include '\\' (0x5C).
bool IsShiftJisLeadByte(unsigned char byte);

}  // namespace velmora
