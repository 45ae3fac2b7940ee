// The runner against real /bin/sh children: what arrives in the pane, and when the call returns.
#include <signal.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "fakes/fake_output_pane.h"
#include "fakes/fake_services.h"
#include "launch/emulator_runner.h"
#include "platform/posix/posix_script_file.h"
#include "posix_test_support.h"

namespace velmora::testing {
namespace {

// Keeps the text like FakeOutputPane but counts lines as they come, so a flood of tens of
// megabytes does not rescan the whole text for every chunk.
class AppendingPane final : public OutputPane {
public:
    void SetText(std::string_view text) override {
        m_text = text;
        m_lines = 1 + static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    }
    std::size_t GetTextLength() const override { return m_text.size(); }
    void SetSel(std::size_t start, std::size_t end) override {
        m_appending = start == m_text.size() && end == m_text.size();
    }
    void ScrollCaret() override {}
    void ReplaceSel(std::string_view text) override {
        // The runner only ever appends; anything else is a fault this pane makes visible.
        if (!m_appending) {
            m_text += "<not at end>";
        }
        m_text += text;
        m_lines += static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    }
    std::size_t GetLineCount() const override { return m_lines; }
    void LineScroll(int, std::size_t) override {}
    void SetReadOnly(bool) override {}

    const std::string& Text() const { return m_text; }

private:
    std::string m_text;
    std::size_t m_lines = 1;
    bool m_appending = false;
};

// "line 1" ... "line <count>", each followed by the pane's line break.
std::string NumberedPaneLines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) {
        text += "line " + std::to_string(i) + "\r\n";
    }
    return text;
}

class RunnerTest : public ::testing::Test {
protected:
    // Writes script into the test's private directory and runs it as the launch would.
    bool Run(const std::string& script, OutputPane& pane, const std::string& workingDirectory) {
        const std::string path = dir / "mame.sh";
        if (scriptFile.Write(path, script) != ScriptFile::Result::Written) {
            ADD_FAILURE() << "cannot write the script";
            return false;
        }
        CEmulatorRunner runner(processes, messageBox, host);
        return runner.RunAndCapture(pane, workingDirectory, path);
    }
    bool Run(const std::string& script) { return Run(script, pane, dir.Path()); }

    TempDir dir;
    PosixScriptFile scriptFile;
    CountingProcessFactory processes;
    FakeMessageBox messageBox;
    FakeRunnerHost host;
    FakeOutputPane pane;
};

struct OutputCase {
    const char* name;
    std::string script;
    std::string expected;  // the pane's whole text afterwards
};

// Failure messages name the case rather than dumping its bytes.
void PrintTo(const OutputCase& c, std::ostream* os) {
    *os << c.name;
}

class RunnerOutputTest : public RunnerTest, public ::testing::WithParamInterface<OutputCase> {
protected:
    // Whatever this process has as its input, a child that inherited it would read this.
    ScopedStdin stdinWithData{"from the test's own stdin\n"};
    // A front end may ignore SIGPIPE and block signals for itself; its children must not
    // inherit either.
    ScopedSignalState signals{SIGPIPE, SIGUSR1};
};

TEST_P(RunnerOutputTest, PaneHoldsExactlyTheNormalisedOutput) {
    pane.SetText("text of the previous launch");

    EXPECT_TRUE(Run(GetParam().script));

    EXPECT_EQ(pane.Text(), GetParam().expected);
    EXPECT_TRUE(messageBox.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    RealChildren, RunnerOutputTest,
    ::testing::Values(
        OutputCase{"LineFeeds", "printf 'a\\nb\\n'", "a\r\nb\r\n"},
        OutputCase{"CrLf", "printf 'a\\r\\nb\\r\\n'", "a\r\nb\r\n"},
        OutputCase{"LoneCrKeepsTheByteBeforeIt", "printf 'ab\\rcd'", "ab\r\ncd"},
        OutputCase{"LfThenCr", "printf 'x\\n\\ry'", "x\r\n\r\ny"},
        OutputCase{"CrThenCrLf", "printf 'x\\r\\r\\n'", "x\r\n\r\n"},
        OutputCase{"TwoLoneCrs", "printf 'x\\r\\ry'", "x\r\n\r\ny"},
        OutputCase{"NulLeftOutRestKept", "printf 'a\\000b\\nc'", "ab\r\nc"},
        OutputCase{"NulBetweenCrAndLf", "printf 'a\\r\\000\\nb'", "a\r\nb"},
        // The pause makes the CR and the LF arrive in separate reads.
        OutputCase{"CrLfSplitAcrossWrites", "printf 'a\\r'; sleep 0.2; printf '\\nb'", "a\r\nb"},
        // With SIGPIPE ignored, yes would complain about the broken pipe instead.
        OutputCase{"BrokenPipeEndsAWriterQuietly", "yes | head -n 2", "y\r\ny\r\n"},
        OutputCase{"SignalsAreNotBlocked", "kill -USR1 $$; echo survived", ""},
        OutputCase{"StdoutAndStderrOnOnePipe", "echo out; echo err >&2; echo out2",
                   "out\r\nerr\r\nout2\r\n"},
        OutputCase{"CatFindsNoInput", "cat; echo \"cat ended $?\"", "cat ended 0\r\n"},
        OutputCase{"ReadFindsNoInput", "if read x; then echo got; else echo none; fi", "none\r\n"},
        // More than a pipe holds, written in one go just before the end.
        OutputCase{"ManyLinesJustBeforeExit", "printf 'line %d\\n' $(seq 1 20000); exit 0",
                   NumberedPaneLines(20000)}),
    [](const ::testing::TestParamInfo<OutputCase>& info) { return info.param.name; });

class QuietChildTest : public RunnerTest, public ::testing::WithParamInterface<OutputCase> {};

// While the child is quiet the runner must wait on it, not poll: a loop that spins keeps this
// process on the processor for the whole time, one that waits uses a few milliseconds.
TEST_P(QuietChildTest, RunnerWaitsWithoutSpinningAndReturnsOnceTheChildHasEnded) {
    const std::string pidFile = dir / "child.pid";
    const CpuClock clock;

    EXPECT_TRUE(Run("echo $$ >'" + pidFile + "'\n" + GetParam().script));

    EXPECT_LT(clock.CpuSeconds(), clock.WallSeconds() / 2);
    EXPECT_EQ(pane.Text(), GetParam().expected);
    const pid_t child = static_cast<pid_t>(std::stol(ReadFile(pidFile)));
    EXPECT_NE(::kill(child, 0), 0) << "the child was still running";
}

INSTANTIATE_TEST_SUITE_P(
    RealChildren, QuietChildTest,
    ::testing::Values(OutputCase{"Silent", "sleep 1", ""},
                      // The pipe reports its end long before the child does.
                      OutputCase{"StdoutClosedThenSleeps", "echo bye; exec >&- 2>&-; sleep 1",
                                 "bye\r\n"}),
    [](const ::testing::TestParamInfo<OutputCase>& info) { return info.param.name; });

TEST_F(RunnerTest, FloodArrivesCompleteAndInOrder) {
    constexpr int kLines = 320000;  // 66 bytes each: just over 20 MB
    const std::string script =
        "awk 'BEGIN { for (i = 0; i < " + std::to_string(kLines) +
        "; i++) printf \"%07d the quick brown fox jumps over the lazy dog 0123456789\\n\", i }'";
    std::string expected;
    expected.reserve(kLines * 67);
    char line[80];
    for (int i = 0; i < kLines; ++i) {
        const int n =
            std::snprintf(line, sizeof line,
                          "%07d the quick brown fox jumps over the lazy dog 0123456789\r\n", i);
        expected.append(line, static_cast<std::size_t>(n));
    }
    AppendingPane flood;

    ASSERT_TRUE(Run(script, flood, dir.Path()));

    const std::string& text = flood.Text();
    ASSERT_EQ(text.size(), expected.size());
    const auto mismatch = std::mismatch(text.begin(), text.end(), expected.begin());
    EXPECT_TRUE(mismatch.first == text.end())
        << "first difference at byte " << (mismatch.first - text.begin()) << ": \""
        << std::string(mismatch.first,
                       mismatch.first + std::min<std::ptrdiff_t>(40, text.end() - mismatch.first))
        << "\"";
    EXPECT_EQ(flood.GetLineCount(), static_cast<std::size_t>(kLines) + 1);
}

TEST_F(RunnerTest, ChildRunsInTheWorkingDirectory) {
    const std::string work = dir / "work dir 'q' $x";
    MakeDir(work, 0755);

    ASSERT_TRUE(Run("pwd -P", pane, work));

    EXPECT_EQ(pane.Text(), std::filesystem::canonical(work).string() + "\r\n");
}

TEST_F(RunnerTest, GrandchildHoldingThePipeIsNotWaitedFor) {
    const std::string pidFile = dir / "grandchild.pid";
    ASSERT_TRUE(Run("(sleep 5; echo late) &\necho $! >'" + pidFile + "'\necho early\n"));

    // Returning while the grandchild still lives shows the runner did not wait for it.
    const pid_t grandchild = static_cast<pid_t>(std::stol(ReadFile(pidFile)));
    EXPECT_EQ(::kill(grandchild, 0), 0) << "the grandchild had already ended";
    EXPECT_EQ(pane.Text(), "early\r\n");
    ::kill(grandchild, SIGKILL);
}

struct StartFailureCase {
    const char* name;
    void (*makeWorkingDirectory)(const std::string& path);
};

void PrintTo(const StartFailureCase& c, std::ostream* os) {
    *os << c.name;
}

class RunnerStartFailureTest : public RunnerTest,
                               public ::testing::WithParamInterface<StartFailureCase> {};

TEST_P(RunnerStartFailureTest, ReportsTheProcessErrorAndLeavesThePaneEmpty) {
    const std::string work = dir / "work";
    GetParam().makeWorkingDirectory(work);
    pane.SetText("text of the previous launch");

    EXPECT_FALSE(Run("echo should not run", pane, work));

    EXPECT_EQ(pane.Text(), "");
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0].first, kProcessErrorText);
    EXPECT_EQ(messageBox.shown[0].second, MessageIcon::Exclamation);
}

INSTANTIATE_TEST_SUITE_P(
    RealChildren, RunnerStartFailureTest,
    ::testing::Values(StartFailureCase{"MissingDirectory", [](const std::string&) {}},
                      StartFailureCase{"PlainFile",
                                       [](const std::string& path) { WriteFile(path, "x"); }}),
    [](const ::testing::TestParamInfo<StartFailureCase>& info) { return info.param.name; });

}  // namespace
}  // namespace velmora::testing
