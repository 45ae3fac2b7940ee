// The three settings that steer a launch.
#pragma once

#include <string>

namespace velmora {

struct PathSettings {
    std::string MamePath;     // full path of the emulator executable
    std::string RomPath;      // directory that holds the ROM files
    std::string MameOptions;  // the user's own options, placed at the end of the command line
};

}  // namespace velmora
