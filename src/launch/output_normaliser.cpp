// Line-ending normalisation of the child's output.
#include "launch/output_normaliser.h"

namespace velmora {

void OutputNormaliser::Normalise(std::string_view chunk, std::string& out) {
    constexpr std::string_view kSpecial("\r\n\0", 3);
    std::size_t pos = 0;
    while (pos < chunk.size()) {
        const std::size_t special = chunk.find_first_of(kSpecial, pos);
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
