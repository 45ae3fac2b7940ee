// Capture throughput: a 256 MB flood through the runner, against the same flood into cat.
//
// Both runs start the same generator through /bin/sh and move its bytes through one pipe; the
// baseline's reader is cat writing to /dev/null, the measured one is CEmulatorRunner feeding
// a pane that only counts. Each side runs three times and keeps its fastest time.
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench_support.h"
#include "launch/emulator_runner.h"
#include "platform/posix/posix_child_process.h"

namespace velmora::bench {
namespace {

using Clock = std::chrono::steady_clock;

std::string Quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) {
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return out + "'";
}

double PlainPipeSeconds(const std::string& floodCommand) {
    const std::string command = floodCommand + " | cat >/dev/null";
    const auto start = Clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    const double seconds = Seconds(Clock::now() - start);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "baseline failed\n");
        std::exit(1);
    }
    return seconds;
}

double CaptureSeconds(const std::string& floodCommand, std::size_t& bytes, std::size_t& lines) {
    ScriptDir dir;
    const std::string script = dir.Write(floodCommand + "\n");
    PosixProcessFactory processes;
    StderrMessageBox messageBox;
    IdleHost host;
    CountingPane pane;
    CEmulatorRunner runner(processes, messageBox, host);

    const auto start = Clock::now();
    if (!runner.RunAndCapture(pane, dir.Path(), script)) {
        std::exit(1);
    }
    const double seconds = Seconds(Clock::now() - start);
    bytes = pane.GetTextLength();
    lines = pane.lines;
    return seconds;
}

}  // namespace
}  // namespace velmora::bench

int main(int argc, char* argv[]) {
    using namespace velmora::bench;
    const unsigned long long size = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 256ull << 20;
    const std::string floodCommand = Quoted(VELMORA_LINE_FLOOD) + " " + std::to_string(size);

    double plain = 1e9;
    double capture = 1e9;
    std::size_t bytes = 0;
    std::size_t lines = 0;
    for (int round = 0; round < 3; ++round) {
        plain = std::min(plain, PlainPipeSeconds(floodCommand));
        capture = std::min(capture, CaptureSeconds(floodCommand, bytes, lines));
    }

    const double mb = static_cast<double>(size) / (1 << 20);
    std::printf("flood:            %.0f MB of mixed lines from %s\n", mb, VELMORA_LINE_FLOOD);
    std::printf("plain pipe (cat): %.3f s  %8.1f MB/s\n", plain, mb / plain);
    std::printf("runner capture:   %.3f s  %8.1f MB/s  (pane got %zu bytes, %zu lines)\n", capture,
                mb / capture, bytes, lines);
    std::printf("capture throughput / plain pipe throughput = %.2f  (goal >= 0.5)\n",
                plain / capture);
    return 0;
}
