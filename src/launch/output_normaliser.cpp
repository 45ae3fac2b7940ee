// Line-ending normalisation of the child's output.
#include "launch/output_normaliser.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace velmora {
namespace {

bool IsSpecial(char c) {
    return c == '\r' || c == '\n' || c == '\0';
}

#if defined(__SSE2__)
// The first CR, LF or NUL at or after pos, or npos; sixteen bytes at a time.
std::size_t FindSpecial(std::string_view chunk, std::size_t pos) {
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i nul = _mm_setzero_si128();
    for (; pos + 16 <= chunk.size(); pos += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(chunk.data() + pos));
        const __m128i hits =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf)),
                         _mm_cmpeq_epi8(bytes, nul));
        const int mask = _mm_movemask_epi8(hits);
        if (mask != 0) {
            return pos + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
        }
    }
    for (; pos < chunk.size(); ++pos) {
        if (IsSpecial(chunk[pos])) {
            return pos;
        }
    }
    return std::string_view::npos;
}
#else
std::size_t FindSpecial(std::string_view chunk, std::size_t pos) {
    for (; pos < chunk.size(); ++pos) {
        if (IsSpecial(chunk[pos])) {
            return pos;
        }
    }
    return std::string_view::npos;
}
#endif

}  // namespace

std::size_t OutputNormaliser::Normalise(std::string_view chunk, char* out) {
    char* const begin = out;
    std::size_t pos = 0;
    while (pos < chunk.size()) {
        const std::size_t special = FindSpecial(chunk, pos);
        const std::size_t plainEnd = special == std::string_view::npos ? chunk.size() : special;
        if (plainEnd > pos) {
            std::memcpy(out, chunk.data() + pos, plainEnd - pos);
            out += plainEnd - pos;
            m_afterCarriageReturn = false;
        }
        if (special == std::string_view::npos) {
            break;
        }
        const char c = chunk[special];
        const bool lineBreak = c == '\r' || (c == '\n' && !m_afterCarriageReturn);
        if (lineBreak) {
            std::memcpy(out, m_lineBreak.data(), m_lineBreak.size());
            out += m_lineBreak.size();
        }
        // A NUL is left out and does not separate a CR from its LF.
        if (c != '\0') {
            m_afterCarriageReturn = c == '\r';
        }
        pos = special + 1;
    }
    return static_cast<std::size_t>(out - begin);
}

void OutputNormaliser::Normalise(std::string_view chunk, std::string& out) {
    const std::size_t start = out.size();
    out.resize(start + MaxOutput(chunk.size()));
    out.resize(start + Normalise(chunk, out.data() + start));
}

}  // namespace velmora
