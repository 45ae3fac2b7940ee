// A launch wired as the program wires it on Linux, with only the window's seams faked.
#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fakes/fake_output_pane.h"
#include "fakes/fake_services.h"
#include "launch/launch_game.h"
#include "launch/sh_dialect.h"
#include "platform/posix/posix_script_file.h"
#include "posix_test_support.h"
#include "text/code_page.h"

namespace velmora::testing {

// What the argv-echo stand-in for the emulator reported.
struct EchoReport {
    std::string cwd;
    std::vector<std::string> args;  // argv[0] first
};

inline std::string FromHex(const std::string& hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    }
    return bytes;
}

// Decodes the pane's text; a line that is not the tool's own output fails the test, since
// it means something other than the tool wrote into the pipe (the shell, for one).
inline EchoReport ParseEcho(const std::string& paneText) {
    EchoReport report;
    for (const std::string& line : PaneLines(paneText)) {
        if (line.rfind("cwd ", 0) == 0) {
            report.cwd = FromHex(line.substr(4));
        } else if (line.rfind("arg ", 0) == 0) {
            report.args.push_back(FromHex(line.substr(4)));
        } else {
            ADD_FAILURE() << "unexpected output line: " << line;
        }
    }
    return report;
}

class LaunchFixture : public ::testing::Test {
protected:
    LaunchFixture()
        : runtimeDir(MakePrivateDir(root / "runtime")), runtimeEnv("XDG_RUNTIME_DIR", runtimeDir) {}

    void Launch(std::string_view entryText, const PathSettings& settings) {
        const LaunchServices services{dialect, codePage, scriptFile, processes, messageBox, host};
        LaunchGame(entryText, settings, pane, services, [this] { ++setupCalls; });
    }

    // A copy of the argv-echo tool at root/directoryName/fileName, as the "emulator".
    std::string InstallEchoEmulator(const std::string& directoryName, const std::string& fileName) {
        const std::string directory = root / directoryName;
        MakeDir(directory, 0755);
        const std::string path = directory + "/" + fileName;
        std::filesystem::copy_file(VELMORA_ARGV_ECHO, path);
        ::chmod(path.c_str(), 0755);
        return path;
    }

    std::string ScriptPath() const { return runtimeDir + "/mame.sh"; }

    static std::string MakePrivateDir(const std::string& path) {
        MakeDir(path, 0700);
        return path;
    }

    TempDir root;
    std::string runtimeDir;
    ScopedEnv runtimeEnv;
    ShDialect dialect;
    LocaleCodePage codePage;
    PosixScriptFile scriptFile;
    CountingProcessFactory processes;
    FakeMessageBox messageBox;
    FakeRunnerHost host;
    FakeOutputPane pane;
    int setupCalls = 0;
};

}  // namespace velmora::testing
