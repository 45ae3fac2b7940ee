// The names a launch derives from a ROM entry and the emulator's path.
#pragma once

#include <string>
#include <string_view>

#include "text/code_page.h"

namespace velmora {

struct LaunchRequest {
    std::string gameName;           // the entry text before its last full stop
    std::string emulatorDirectory;  // the emulator's path before its last separator
    std::string emulatorBaseName;   // the emulator's file name before its last full stop
};

LaunchRequest MakeLaunchRequest(std::string_view entryText, std::string_view mamePath,
                                char pathSeparator, const CodePage& codePage);

}  // namespace velmora
