// Reads the names of the regular files of a directory.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace velmora::qt {

// The regular files of directory (a symbolic link to one counts), without directories and
// without names that begin with a dot, in no particular order; nothing when the directory
// cannot be read.
std::optional<std::vector<std::string>> RegularFiles(const std::string& directory);

}  // namespace velmora::qt
