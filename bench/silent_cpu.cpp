// Processor use while a silent child runs: the runner's wait against a spinning poll loop.
//
// Both watch "sleep 3" through a pipe. The spinning loop is what a literal peek-then-exit-test
// loop costs when nothing ever sleeps: a non-blocking look at the pipe (FIONREAD) and
// waitpid(WNOHANG), over and over.
#include <fcntl.h>
#include <sys/ioctl.h>
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

struct Cost {
    double wall;
    double cpu;
    double Percent() const { return 100.0 * cpu / wall; }
};

Cost RunnerCost(const char* seconds) {
    ScriptDir dir;
    const std::string script = dir.Write(std::string("sleep ") + seconds + "\n");
    PosixProcessFactory processes;
    StderrMessageBox messageBox;
    IdleHost host;
    CountingPane pane;
    CEmulatorRunner runner(processes, messageBox, host);

    const double cpuStart = CpuSeconds();
    const auto start = Clock::now();
    runner.RunAndCapture(pane, dir.Path(), script);
    return {Seconds(Clock::now() - start), CpuSeconds() - cpuStart};
}

Cost SpinningCost(const char* seconds) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        std::exit(1);
    }
    const std::string command = std::string("sleep ") + seconds;
    const double cpuStart = CpuSeconds();
    const auto start = Clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(fds[1], STDOUT_FILENO);
        ::dup2(fds[1], STDERR_FILENO);
        ::execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    char buffer[8192];
    for (;;) {
        int waiting = 0;
        ::ioctl(fds[0], FIONREAD, &waiting);
        if (waiting > 0) {
            (void)!::read(fds[0], buffer, sizeof buffer);
            continue;
        }
        if (::waitpid(pid, nullptr, WNOHANG) == pid) {
            break;
        }
    }
    const Cost cost{Seconds(Clock::now() - start), CpuSeconds() - cpuStart};
    ::close(fds[0]);
    ::close(fds[1]);
    return cost;
}

}  // namespace
}  // namespace velmora::bench

int main(int argc, char* argv[]) {
    using namespace velmora::bench;
    const char* seconds = argc > 1 ? argv[1] : "3";

    const Cost runner = RunnerCost(seconds);
    const Cost spinning = SpinningCost(seconds);

    std::printf("silent child: sleep %s\n", seconds);
    std::printf("runner:        wall %.3f s  cpu %.4f s  = %6.2f %% of one core  (goal < 1 %%)\n",
                runner.wall, runner.cpu, runner.Percent());
    std::printf("spinning loop: wall %.3f s  cpu %.4f s  = %6.2f %% of one core\n", spinning.wall,
                spinning.cpu, spinning.Percent());
    std::printf("spinning cpu / runner cpu = %.0f\n",
                runner.cpu > 0 ? spinning.cpu / runner.cpu : 0.0);
    return 0;
}
