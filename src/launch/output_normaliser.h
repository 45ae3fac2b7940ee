// Turns the child's line endings into the pane's, across chunk boundaries, losing no byte.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

class OutputNormaliser {
public:
    explicit OutputNormaliser(std::string_view lineBreak) : m_lineBreak(lineBreak) {}

    // Appends chunk to out with CR LF, lone CR and lone LF each made one line break and NUL
    // bytes left out.
    void Normalise(std::string_view chunk, std::string& out);

private:
    std::string m_lineBreak;
    bool m_afterCarriageReturn = false;  // an LF that follows belongs to the same break
};

}  // namespace velmora
