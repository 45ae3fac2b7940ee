// The Windows batch-file dialect: "base game -rp "roms" options" run by cmd.exe.
#pragma once

#include "launch/launch_dialect.h"

namespace velmora {

class CmdDialect final : public LaunchDialect {
public:
    char PathSeparator() const override { return '\\'; }
    std::string_view ScriptName() const override { return "mame.bat"; }
    std::string ScriptText(const LaunchRequest& request,
                           const PathSettings& settings) const override;
    std::string ChildCommandLine(const std::string& scriptPath) const override;
};

}  // namespace velmora
