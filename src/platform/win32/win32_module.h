// Names derived from the executable's own path: the application name and its help file.
#pragma once

#include <string>

namespace velmora::win32 {

std::string ModulePath();
// The executable's file name without its extension: the caption of every message box.
std::string ApplicationName();
// The executable's path with the extension ".HLP".
std::string HelpFilePath();

}  // namespace velmora::win32
