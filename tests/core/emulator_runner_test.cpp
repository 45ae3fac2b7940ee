// The capture loop against a scripted child.
#include "launch/emulator_runner.h"

#include <gtest/gtest.h>

#include "fakes/fake_output_pane.h"
#include "fakes/fake_services.h"

namespace velmora {
namespace {

using testing::FakeChildProcess;
using testing::FakeMessageBox;
using testing::FakeOutputPane;
using testing::FakeProcessFactory;
using testing::FakeRunnerHost;

class EmulatorRunnerTest : public ::testing::Test {
protected:
    bool Run() {
        pane.SetText("old text");
        CEmulatorRunner runner(processes, messageBox, host);
        return runner.RunAndCapture(pane, "C:\\MAME", "C:\\TEMP\\mame.bat");
    }

    FakeProcessFactory processes;
    FakeMessageBox messageBox;
    FakeRunnerHost host;
    FakeOutputPane pane;
};

TEST_F(EmulatorRunnerTest, ReportsEachFailureAfterClearingThePane) {
    struct FailureCase {
        bool pipeFails;
        bool startFails;
        const char* message;
    };
    for (const FailureCase& failure :
         {FailureCase{true, false, kPipeErrorText}, FailureCase{false, true, kProcessErrorText}}) {
        processes.script.pipeFails = failure.pipeFails;
        processes.script.startFails = failure.startFails;
        messageBox.shown.clear();
        EXPECT_FALSE(Run());
        EXPECT_EQ(pane.Text(), "");
        ASSERT_EQ(messageBox.shown.size(), 1u);
        EXPECT_EQ(messageBox.shown[0].first, failure.message);
        EXPECT_EQ(messageBox.shown[0].second, MessageIcon::Exclamation);
        EXPECT_EQ(host.started, 0);
    }
}

TEST_F(EmulatorRunnerTest, StartsTheCommandLineInTheWorkingDirectory) {
    EXPECT_TRUE(Run());
    EXPECT_EQ(FakeChildProcess::startedCommandLine, "C:\\TEMP\\mame.bat");
    EXPECT_EQ(FakeChildProcess::startedDirectory, "C:\\MAME");
    EXPECT_TRUE(messageBox.shown.empty());
}

TEST_F(EmulatorRunnerTest, SilentChildLeavesThePaneEmptyAndKeepsTheWindowAlive) {
    processes.script.silentWaitsBeforeEnd = 3;
    EXPECT_TRUE(Run());
    EXPECT_EQ(pane.Text(), "");
    EXPECT_EQ(host.keepAliveCalls, 3);
    EXPECT_EQ(host.started, 1);
    EXPECT_EQ(host.ended, 1);
}

TEST_F(EmulatorRunnerTest, TwentyThousandWaitingBytesArriveInOrderInChunksOfAtMost8191) {
    std::string waiting;
    for (int i = 0; i < 20000; ++i) {
        waiting += static_cast<char>('a' + i % 26);
    }
    processes.script.pending = {waiting};
    EXPECT_TRUE(Run());
    EXPECT_EQ(pane.Text(), waiting);
    ASSERT_EQ(pane.insertions.size(), 3u);
    for (const std::string& insertion : pane.insertions) {
        EXPECT_LE(insertion.size(), 8191u);
    }
}

TEST_F(EmulatorRunnerTest, AppendsOutputStillInThePipeWhenTheChildEnds) {
    processes.script.pending = {"first\n"};
    processes.script.dataAfterEnd = "last words\r\n";
    EXPECT_TRUE(Run());
    EXPECT_EQ(pane.Text(), "first\r\nlast words\r\n");
}

TEST_F(EmulatorRunnerTest, JoinsACarriageReturnAndLineFeedSplitAcrossChunks) {
    processes.script.pending = {"one\r", "\ntwo\r", "three"};
    EXPECT_TRUE(Run());
    EXPECT_EQ(pane.Text(), "one\r\ntwo\r\nthree");
}

TEST_F(EmulatorRunnerTest, ScrollsToTheEndAfterEachChunk) {
    processes.script.pending = {"a\nb\nc\n"};
    EXPECT_TRUE(Run());
    EXPECT_EQ(pane.lastScroll, pane.GetLineCount());
}

}  // namespace
}  // namespace velmora
