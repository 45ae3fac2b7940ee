// How one platform's command interpreter is asked to start the emulator.
#pragma once

#include <string>
#include <string_view>

#include "launch/launch_request.h"
#include "settings/path_settings.h"

namespace velmora {

class LaunchDialect {
public:
    virtual ~LaunchDialect() = default;
    virtual char PathSeparator() const = 0;
    virtual std::string_view ScriptName() const = 0;
    // The script's whole content: one line with its line end.
    virtual std::string ScriptText(const LaunchRequest& request,
                                   const PathSettings& settings) const = 0;
    // The command line that runs the script at scriptPath.
    virtual std::string ChildCommandLine(const std::string& scriptPath) const = 0;
};

}  // namespace velmora
