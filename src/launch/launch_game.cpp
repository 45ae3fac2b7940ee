// The launch: from a ROM entry to a running emulator whose output fills the pane.
#include "launch/launch_game.h"

#include "launch/emulator_runner.h"
#include "launch/launch_request.h"
#include "res/resource.h"
#include "res/string_table.h"

namespace velmora {

std::string DiskFullText(std::string_view path) {
    return "Disk full while accessing " + std::string(path) + ".";
}

std::string OptionLikeGameText(std::string_view gameName) {
    return "The game \"" + std::string(gameName) +
           "\" is not launched: the emulator would take a name that begins with \"-\" for an "
           "option.";
}

void LaunchGame(std::string_view entryText, const PathSettings& settings, OutputPane& pane,
                const LaunchServices& services, const std::function<void()>& setupPaths) {
    if (settings.MamePath.empty()) {
        services.messageBox.Show(StringTableText(IDS_NOMAMEPATH), MessageIcon::Exclamation);
        setupPaths();
        return;
    }

    const LaunchDialect& dialect = services.dialect;
    const char separator = dialect.PathSeparator();
    const LaunchRequest request =
        MakeLaunchRequest(entryText, settings.MamePath, separator, services.codePage);
    if (!request.gameName.empty() && request.gameName.front() == '-') {
        services.messageBox.Show(OptionLikeGameText(request.gameName), MessageIcon::Exclamation);
        return;
    }

    std::string directory = services.scriptFile.TemporaryDirectory();
    if (!directory.empty() && directory.back() == separator) {
        directory.pop_back();
    }
    const std::string scriptPath = directory + separator + std::string(dialect.ScriptName());
    switch (services.scriptFile.Write(scriptPath, dialect.ScriptText(request, settings))) {
        case ScriptFile::Result::Written:
            break;
        case ScriptFile::Result::CannotOpen:
            return;
        case ScriptFile::Result::WriteFailed:
            services.messageBox.Show(DiskFullText(scriptPath), MessageIcon::Stop);
            return;
    }

    CEmulatorRunner runner(services.processes, services.messageBox, services.host);
    runner.RunAndCapture(pane, request.emulatorDirectory, dialect.ChildCommandLine(scriptPath));
}

}  // namespace velmora
