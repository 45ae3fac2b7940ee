// Deriving the game name and the emulator's directory and base name.
#include "launch/launch_request.h"

#include "text/cut.h"

namespace velmora {

LaunchRequest MakeLaunchRequest(std::string_view entryText, std::string_view mamePath,
                                char pathSeparator, const CodePage& codePage) {
    LaunchRequest request;
    request.gameName = KeepBeforeLast(entryText, '.', codePage);
    request.emulatorDirectory = KeepBeforeLast(mamePath, pathSeparator, codePage);
    const std::string fileName = DropThroughLast(mamePath, pathSeparator, codePage);
    request.emulatorBaseName = KeepBeforeLast(fileName, '.', codePage);
    return request;
}

}  // namespace velmora
