// Cutting a text at the last occurrence of a character, walking it by code-page characters.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "text/code_page.h"

namespace velmora {

// Byte position of the last character equal to c; trail bytes never match.
std::optional<std::size_t> FindLast(std::string_view text, char c, const CodePage& codePage);

// The text before the last c; the whole text when c does not occur.
std::string KeepBeforeLast(std::string_view text, char c, const CodePage& codePage);

// The text after the last c; the whole text when c does not occur.
std::string DropThroughLast(std::string_view text, char c, const CodePage& codePage);

}  // namespace velmora
