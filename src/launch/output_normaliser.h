// Turns the child's line endings into the pane's, across chunk boundaries, losing no byte.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

class OutputNormaliser {
public:
    explicit OutputNormaliser(std::string_view lineBreak) : m_lineBreak(lineBreak) {}

    // Writes chunk to out with CR LF, lone CR and lone LF each made one line break and NUL
    // bytes left out; out must hold MaxOutput(chunk.size()) bytes. Returns the bytes written.
    std::size_t Normalise(std::string_view chunk, char* out);
    // The same, appended to out.
    void Normalise(std::string_view chunk, std::string& out);

    std::size_t MaxOutput(std::size_t chunkSize) const {
        return chunkSize * std::max<std::size_t>(1, m_lineBreak.size());
    }

private:
    std::string m_lineBreak;
    bool m_afterCarriageReturn = false;  // an LF that follows belongs to the same break
};

}  // namespace velmora
