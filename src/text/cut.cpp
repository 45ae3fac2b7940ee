// Cutting a text at the last occurrence of a character.
#include "text/cut.h"

namespace velmora {

std::optional<std::size_t> FindLast(std::string_view text, char c, const CodePage& codePage) {
    std::optional<std::size_t> found;
    for (std::size_t pos = 0; pos < text.size(); pos += codePage.CharLength(text, pos)) {
        if (text[pos] == c) {
            found = pos;
        }
    }
    return found;
}

std::string KeepBeforeLast(std::string_view text, char c, const CodePage& codePage) {
    const auto pos = FindLast(text, c, codePage);
    return std::string(pos ? text.substr(0, *pos) : text);
}

std::string DropThroughLast(std::string_view text, char c, const CodePage& codePage) {
    const auto pos = FindLast(text, c, codePage);
    return std::string(pos ? text.substr(*pos + 1) : text);
}

}  // namespace velmora
