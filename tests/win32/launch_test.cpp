// Launches through the real batch file, cmd.exe and runner: every game name arrives intact.
#include <gtest/gtest.h>

#include <fstream>

#include "fakes/fake_services.h"
#include "launch/cmd_dialect.h"
#include "launch/emulator_runner.h"
#include "launch/launch_game.h"
#include "platform/win32/win32_child_process.h"
#include "platform/win32/win32_code_page.h"
#include "platform/win32/win32_output_pane.h"
#include "platform/win32/win32_runner_host.h"
#include "platform/win32/win32_script_file.h"
#include "win32_test_support.h"

namespace velmora::testing {
namespace {

struct LaunchCase {
    const char* label;
    const char* entryText;
    const char* gameName;
};

// Test names and failure messages show the case's label, not its bytes.
void PrintTo(const LaunchCase& c, std::ostream* os) {
    *os << c.label;
}

// Names a ROM file may have; unquoted, each would split the line, expand a variable or run the
// canary batch file.
const LaunchCase kCases[] = {
    {"Ampersand", "a&b.zip", "a&b"},
    {"LeadingAmpersand", "&b.zip", "&b"},
    {"Caret", "a^b.zip", "a^b"},
    {"CaretAmpersand", "a^&b.zip", "a^&b"},
    {"PerCent", "100%.zip", "100%"},
    {"Variable", "%PATH%.zip", "%PATH%"},
    {"DoublePerCent", "%%b%%.zip", "%%b%%"},
    {"Exclamations", "!x!.zip", "!x!"},
    {"Parentheses", "(x).zip", "(x)"},
    {"Spaces", "pac man  2.zip", "pac man  2"},
    {"Separators", "x;y,z=w.zip", "x;y,z=w"},
    {"Quotes", "'q'`b`$x.zip", "'q'`b`$x"},
    {"Plain", "pacman.zip", "pacman"},
};

class LaunchTest : public ::testing::TestWithParam<LaunchCase> {
protected:
    void SetUp() override {
        m_scratch.MakeFolder("emu dir");
        m_scratch.MakeFolder("tmp dir");
        m_emulatorDirectory = m_scratch.File("emu dir");
        CopyHelper("argv_echo_win.exe", m_emulatorDirectory + "\\argv_echo.exe");
        // Run if any part of a name escaped its quotes and became a command of its own.
        for (const char* command : {"b", "x", "y", "z", "w"}) {
            std::ofstream(m_emulatorDirectory + "\\" + command + ".bat")
                << "echo ran> \"" << m_emulatorDirectory << "\\canary.txt\"\r\n";
        }
        // A space in the temporary directory makes the batch file's own path need quotes.
        char oldTmp[32768] = {};
        m_hadTmp = ::GetEnvironmentVariableA("TMP", oldTmp, sizeof oldTmp) > 0;
        m_oldTmp = oldTmp;
        ::SetEnvironmentVariableA("TMP", m_scratch.File("tmp dir").c_str());
    }
    void TearDown() override {
        ::SetEnvironmentVariableA("TMP", m_hadTmp ? m_oldTmp.c_str() : nullptr);
    }

    EchoedCall Launch(const std::string& entryText, const PathSettings& settings) {
        win32::Win32OutputPane pane(m_window.Edit());
        LaunchGame(entryText, settings, pane, m_services, [] { FAIL() << "asked for paths"; });
        return ParseEcho(m_window.EditText());
    }

    ScratchFolder m_scratch{"launch"};
    std::string m_emulatorDirectory;
    bool m_hadTmp = false;
    std::string m_oldTmp;
    TestWindow m_window;
    CmdDialect m_dialect;
    win32::Win32ScriptFile m_scriptFile;
    win32::Win32ProcessFactory m_processes;
    FakeMessageBox m_messageBox;
    win32::WindowStack m_windows;
    win32::Win32RunnerHost m_host{m_windows};
    LaunchServices m_services{m_dialect,   win32::AnsiCodePage(), m_scriptFile,
                              m_processes, m_messageBox,          m_host};
};

TEST_P(LaunchTest, GameNameAndRomPathReachTheEmulatorByteForByte) {
    const std::string romPath = m_scratch.File("r o&m%PATH%!x!(y)^");
    const PathSettings settings{m_emulatorDirectory + "\\argv_echo.exe", romPath, "-window"};

    const EchoedCall call = Launch(GetParam().entryText, settings);

    EXPECT_TRUE(m_messageBox.shown.empty());
    EXPECT_EQ(call.directory, m_emulatorDirectory);
    const std::vector<std::string> expected{GetParam().gameName, "-rp", romPath, "-window"};
    EXPECT_EQ(call.arguments, expected) << m_window.EditText();
    EXPECT_FALSE(FileExists(m_emulatorDirectory + "\\canary.txt"));
    EXPECT_TRUE(FileExists(m_scratch.File("tmp dir\\mame.bat")));
}

INSTANTIATE_TEST_SUITE_P(HostileNames, LaunchTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(LaunchTest, RomPathWithTrailingBackslashAndNoOptions) {
    const std::string romPath = m_scratch.Path() + "\\roms\\";
    const EchoedCall call =
        Launch("galaga.zip", {m_emulatorDirectory + "\\argv_echo.exe", romPath, ""});
    const std::vector<std::string> expected{"galaga", "-rp", romPath};
    EXPECT_EQ(call.arguments, expected) << m_window.EditText();
}

TEST_F(LaunchTest, MissingEmulatorDirectoryIsReportedAndLeavesThePaneEmpty) {
    Launch("pacman.zip", {m_scratch.File("nowhere\\mame.exe"), m_scratch.Path(), ""});
    ASSERT_EQ(m_messageBox.shown.size(), 1u);
    EXPECT_EQ(m_messageBox.shown[0].first, kProcessErrorText);
    EXPECT_EQ(m_window.EditText(), "");
}

}  // namespace
}  // namespace velmora::testing
