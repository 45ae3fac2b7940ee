// Texts loaded by number, as the Windows string table holds them.
#pragma once

#include <string>

namespace velmora {

// The text of string-table entry id; empty when there is none.
std::string StringTableText(unsigned id);

}  // namespace velmora
