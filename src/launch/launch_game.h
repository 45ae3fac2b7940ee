// The double-click on a ROM entry: check, derive, write the script, run it.
#pragma once

#include <functional>
#include <string_view>

#include "launch/child_process.h"
#include "launch/launch_dialect.h"
#include "launch/output_pane.h"
#include "launch/runner_host.h"
#include "launch/script_file.h"
#include "settings/path_settings.h"
#include "text/code_page.h"
#include "ui/message_box.h"

namespace velmora {

struct LaunchServices {
    const LaunchDialect& dialect;
    const CodePage& codePage;
    ScriptFile& scriptFile;
    ProcessFactory& processes;
    MessageBoxService& messageBox;
    RunnerHost& host;
};

// Launches the game named by entryText (empty when no entry is selected) and returns once the
// child has ended. With no emulator path it asks for one through setupPaths instead.
void LaunchGame(std::string_view entryText, const PathSettings& settings, OutputPane& pane,
                const LaunchServices& services, const std::function<void()>& setupPaths);

// "Disk full while accessing %1." with %1 replaced by path.
std::string DiskFullText(std::string_view path);

// Why a game whose name starts with '-' is not launched.
std::string OptionLikeGameText(std::string_view gameName);

}  // namespace velmora
