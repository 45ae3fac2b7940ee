// The runner on real child processes: floods, late output, line-end mixes, both streams.
#include <gtest/gtest.h>

#include "fakes/fake_services.h"
#include "launch/emulator_runner.h"
#include "platform/win32/win32_child_process.h"
#include "platform/win32/win32_output_pane.h"
#include "platform/win32/win32_runner_host.h"
#include "win32_test_support.h"

namespace velmora::testing {
namespace {

class RunnerTest : public ::testing::Test {
protected:
    // Runs output_child with arguments and returns what the real edit control shows.
    std::string Run(const std::string& arguments) {
        const std::string directory = ExecutableDirectory();
        win32::Win32OutputPane pane(m_window.Edit());
        CEmulatorRunner runner(m_processes, m_messageBox, m_host);
        EXPECT_TRUE(runner.RunAndCapture(pane, directory,
                                         "\"" + directory + "\\output_child.exe\" " + arguments));
        EXPECT_TRUE(m_messageBox.shown.empty());
        return m_window.EditText();
    }

    TestWindow m_window;
    win32::Win32ProcessFactory m_processes;
    FakeMessageBox m_messageBox;
    win32::WindowStack m_windows;
    win32::Win32RunnerHost m_host{m_windows};
};

struct OutputCase {
    const char* arguments;
    const char* shown;
};

TEST_F(RunnerTest, EveryByteTheChildWritesIsShownWithPaneLineBreaks) {
    const OutputCase cases[] = {
        // NUL left out; CR LF, LF, a lone CR and a CR LF split over two writes each one break.
        {"mix", "crlf\r\nlf\r\ncr\r\nnulgonesplit\r\nend"},
        {"late", "written just before the end\r\n"},
        {"both", "to standard output\r\nto standard error\r\n"},
        {"stdin", "no input\r\n"},
    };
    for (const OutputCase& c : cases) {
        EXPECT_EQ(Run(c.arguments), c.shown) << c.arguments;
    }
}

TEST_F(RunnerTest, FloodOfSeveralMegabytesArrivesWhole) {
    constexpr std::size_t kSize = 3 << 20;
    const std::string shown = Run("flood " + std::to_string(kSize));
    std::string expected;
    for (std::size_t line = 0; expected.size() < kSize; ++line) {
        expected += "line " + std::to_string(line) + " of the flood\n";
    }
    expected.resize(kSize);
    std::string withBreaks;
    for (char c : expected) {
        withBreaks += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    ASSERT_EQ(shown.size(), withBreaks.size());
    EXPECT_TRUE(shown == withBreaks);
}

TEST_F(RunnerTest, EachRunStartsFromAnEmptyPane) {
    Run("both");
    EXPECT_EQ(Run("late"), "written just before the end\r\n");
}

}  // namespace
}  // namespace velmora::testing
