// The POSIX shell dialect: "/path/to/mame game -rp "roms" options" run by /bin/sh.
#pragma once

#include "launch/launch_dialect.h"

namespace velmora {

class ShDialect final : public LaunchDialect {
public:
    char PathSeparator() const override { return '/'; }
    std::string_view ScriptName() const override { return "mame.sh"; }
    std::string ScriptText(const LaunchRequest& request,
                           const PathSettings& settings) const override;
    // The POSIX child runs "/bin/sh <path>" itself, so the path is passed as it is.
    std::string ChildCommandLine(const std::string& scriptPath) const override {
        return scriptPath;
    }
};

}  // namespace velmora
