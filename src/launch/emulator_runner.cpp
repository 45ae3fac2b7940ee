// The capture loop: read what waits, wait without spinning when nothing does.
#include "launch/emulator_runner.h"

#include <algorithm>
#include <chrono>
#include <vector>

#include "launch/output_normaliser.h"

namespace velmora {
namespace {

// One pipe buffer per read: smaller reads keep waking the writer for a few bytes each.
constexpr std::size_t kReadSize = 64 * 1024;
// The most the pane is given at once.
constexpr std::size_t kChunkSize = 8191;
// Long enough to cost nothing while a child is silent, short enough to keep painting.
constexpr std::chrono::milliseconds kWaitSlice(50);
// After the child has ended, grandchildren may keep writing; take no more than any pipe holds.
constexpr std::size_t kDrainLimit = 1 << 20;

void AppendToPane(OutputPane& pane, std::string_view text) {
    const std::size_t length = pane.GetTextLength();
    pane.SetSel(length, length);
    pane.ScrollCaret();
    pane.ReplaceSel(text);
    const std::size_t lines = pane.GetLineCount();
    pane.LineScroll(0, lines);
}

}  // namespace

bool CEmulatorRunner::RunAndCapture(OutputPane& pane, std::string workingDirectory,
                                    std::string commandLine) {
    pane.SetText("");
    std::unique_ptr<ChildProcess> child = m_processes.NewChild();
    if (!child->CreatePipe()) {
        m_messageBox.Show(kPipeErrorText, MessageIcon::Exclamation);
        return false;
    }
    if (!child->Start(commandLine, workingDirectory)) {
        m_messageBox.Show(kProcessErrorText, MessageIcon::Exclamation);
        return false;
    }

    // Pairs LaunchStarted with LaunchEnded however the loop is left.
    struct Launch {
        explicit Launch(RunnerHost& host) : host(host) { host.LaunchStarted(); }
        ~Launch() { host.LaunchEnded(); }
        RunnerHost& host;
    } launch(m_host);

    OutputNormaliser normaliser(pane.LineBreak());
    std::vector<char> buffer(kReadSize);
    std::vector<char> text(normaliser.MaxOutput(kChunkSize));
    bool ended = false;
    std::size_t drained = 0;
    for (;;) {
        const std::size_t count = child->Read(buffer.data(), buffer.size());
        if (count > 0) {
            for (std::size_t done = 0; done < count; done += kChunkSize) {
                const std::string_view piece(buffer.data() + done,
                                             std::min(kChunkSize, count - done));
                const std::size_t length = normaliser.Normalise(piece, text.data());
                AppendToPane(pane, std::string_view(text.data(), length));
            }
            m_host.KeepAlive();
            if (ended && (drained += count) >= kDrainLimit) {
                break;
            }
            continue;
        }
        if (ended) {
            break;
        }
        switch (child->WaitForDataOrEnd(kWaitSlice)) {
            case ChildProcess::WaitResult::DataWaiting:
                break;
            case ChildProcess::WaitResult::Ended:
                ended = true;  // one more pass takes what is still in the pipe
                break;
            case ChildProcess::WaitResult::TimedOut:
                m_host.KeepAlive();
                break;
        }
    }
    return true;
}

}  // namespace velmora
