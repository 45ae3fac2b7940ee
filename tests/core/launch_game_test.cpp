// The double-click's launch: checks, the script and the hand-over to the runner.
#include "launch/launch_game.h"

#include <gtest/gtest.h>

#include "fakes/fake_app.h"

namespace velmora {
namespace {

using testing::FakeApp;
using testing::FakeChildProcess;
using testing::FakeOutputPane;

class LaunchGameTest : public ::testing::Test {
protected:
    void Launch(std::string_view entryText) {
        LaunchGame(entryText, settings, pane, app.services.launch, [this] { ++setupPathsCalls; });
    }

    PathSettings settings{"C:\\MAME\\mame.exe", "C:\\MAME\\roms", "-window"};
    FakeApp app;
    testing::FakeScriptFile& scriptFile = app.scriptFile;
    testing::FakeProcessFactory& processes = app.processes;
    testing::FakeMessageBox& messageBox = app.messageBox;
    FakeOutputPane pane;
    int setupPathsCalls = 0;
};

TEST_F(LaunchGameTest, WritesTheBatchFileAndRunsItInTheEmulatorDirectory) {
    processes.script.pending = {"pacman output\n"};
    Launch("pacman.zip");
    EXPECT_EQ(scriptFile.files.at("C:\\TEMP\\mame.bat"),
              "mame pacman -rp \"C:\\MAME\\roms\" -window\r\n");
    EXPECT_EQ(FakeChildProcess::startedDirectory, "C:\\MAME");
    EXPECT_EQ(FakeChildProcess::startedCommandLine, "C:\\TEMP\\mame.bat");
    EXPECT_EQ(pane.Text(), "pacman output\r\n");
    EXPECT_TRUE(messageBox.shown.empty());
}

TEST_F(LaunchGameTest, DropsOneTrailingSeparatorOfTheTemporaryDirectory) {
    for (const auto& [directory, path] :
         {std::pair{"C:\\TEMP\\", "C:\\TEMP\\mame.bat"}, std::pair{"C:\\", "C:\\mame.bat"},
          std::pair{"C:\\TEMP", "C:\\TEMP\\mame.bat"}}) {
        scriptFile.temporaryDirectory = directory;
        Launch("pacman.zip");
        EXPECT_EQ(FakeChildProcess::startedCommandLine, path);
    }
}

TEST_F(LaunchGameTest, LaunchesWithAnEmptyGameNameWhenNoEntryIsSelected) {
    Launch("");
    EXPECT_EQ(scriptFile.files.at("C:\\TEMP\\mame.bat"),
              "mame  -rp \"C:\\MAME\\roms\" -window\r\n");
    EXPECT_EQ(processes.created, 1);
}

TEST_F(LaunchGameTest, AsksForTheEmulatorPathInsteadOfLaunching) {
    settings.MamePath.clear();
    Launch("pacman.zip");
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0].first, "You must first set a path to the M.A.M.E. executable.");
    EXPECT_EQ(messageBox.shown[0].second, MessageIcon::Exclamation);
    EXPECT_EQ(setupPathsCalls, 1);
    EXPECT_EQ(scriptFile.writes, 0);
    EXPECT_EQ(processes.created, 0);
}

TEST_F(LaunchGameTest, ScriptThatCannotBeOpenedStopsSilently) {
    pane.SetText("earlier output");
    scriptFile.result = ScriptFile::Result::CannotOpen;
    Launch("pacman.zip");
    EXPECT_TRUE(messageBox.shown.empty());
    EXPECT_EQ(processes.created, 0);
    EXPECT_EQ(pane.Text(), "earlier output");
}

TEST_F(LaunchGameTest, FailedWriteShowsDiskFullWithTheScriptPath) {
    scriptFile.result = ScriptFile::Result::WriteFailed;
    Launch("pacman.zip");
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0].first, "Disk full while accessing C:\\TEMP\\mame.bat.");
    EXPECT_EQ(messageBox.shown[0].second, MessageIcon::Stop);
    EXPECT_EQ(processes.created, 0);
}

TEST_F(LaunchGameTest, RefusesAGameNameThatLooksLikeAnOption) {
    Launch("-listxml.zip");
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0].first, OptionLikeGameText("-listxml"));
    EXPECT_EQ(scriptFile.writes, 0);
    EXPECT_EQ(processes.created, 0);
}

TEST_F(LaunchGameTest, RunnerFailureIsReportedOnceAndEndsTheLaunch) {
    processes.script.startFails = true;
    Launch("pacman.zip");
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0].first, "Unable to create M.A.M.E. process");
}

}  // namespace
}  // namespace velmora
