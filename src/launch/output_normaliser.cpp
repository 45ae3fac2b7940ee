// Line-ending normalisation of the child's output.
#include "launch/output_normaliser.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace velmora {
namespace {

// The first CR, LF or NUL at or after pos, or npos. Eight bytes at a time: a word in which no
// byte is below 0x0E holds none of the three, and most output is made of such words.
std::size_t FindSpecial(std::string_view chunk, std::size_t pos) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kHigh = 0x8080808080808080ull;
    const std::size_t size = chunk.size();
    while (pos < size) {
        if (pos + 8 <= size) {
            std::uint64_t word;
            std::memcpy(&word, chunk.data() + pos, 8);
            if (((word - kOnes * 0x0E) & ~word & kHigh) == 0) {
                pos += 8;
                continue;
            }
        }
        for (const std::size_t stop = std::min(size, pos + 8); pos < stop; ++pos) {
            const char c = chunk[pos];
            if (c == '\r' || c == '\n' || c == '\0') {
                return pos;
            }
        }
    }
    return std::string_view::npos;
}

}  // namespace

void OutputNormaliser::Normalise(std::string_view chunk, std::string& out) {
    std::size_t pos = 0;
    while (pos < chunk.size()) {
        const std::size_t special = FindSpecial(chunk, pos);
        const std::size_t plainEnd = special == std::string_view::npos ? chunk.size() : special;
        if (plainEnd > pos) {
            out.append(chunk.data() + pos, plainEnd - pos);
            m_afterCarriageReturn = false;
        }
        if (special == std::string_view::npos) {
            break;
        }
        const char c = chunk[special];
        if (c == '\r') {
            out += m_lineBreak;
            m_afterCarriageReturn = true;
        } else if (c == '\n') {
            if (!m_afterCarriageReturn) {
                out += m_lineBreak;
            }
            m_afterCarriageReturn = false;
        }
        // A NUL is left out and does not separate a CR from its LF.
        pos = special + 1;
    }
}

}  // namespace velmora
