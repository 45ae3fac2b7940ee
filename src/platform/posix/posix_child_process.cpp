// Starting the shell child, reading its pipe without blocking and waiting without spinning.
#include "platform/posix/posix_child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace velmora {
namespace {

constexpr char kShell[] = "/bin/sh";
// Without a pidfd the end of the child is noticed by polling waitpid this often.
constexpr int kReapIntervalMs = 10;

void CloseFd(int& fd) {
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

int OpenPidFd(pid_t pid) {
#ifdef SYS_pidfd_open
    return static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
#else
    (void)pid;
    return -1;
#endif
}

// Runs in the forked child: only async-signal-safe calls until exec.
[[noreturn]] void ExecChild(const char* directory, char* const argv[], int outFd, int errorFd) {
    // exec keeps ignored signals ignored and blocked ones blocked. A front end may ignore
    // SIGPIPE or block signals for its own sake; the emulator must start with the defaults, or
    // a writer into a closed pipe complains instead of ending, and signals never arrive.
    ::signal(SIGPIPE, SIG_DFL);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    int nullFd = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (::chdir(directory) == 0 && nullFd >= 0 && ::dup2(nullFd, STDIN_FILENO) >= 0 &&
        ::dup2(outFd, STDOUT_FILENO) >= 0 && ::dup2(outFd, STDERR_FILENO) >= 0) {
        ::execv(kShell, argv);
    }
    const int error = errno;
    (void)!::write(errorFd, &error, sizeof error);
    ::_exit(127);
}

}  // namespace

PosixChildProcess::~PosixChildProcess() {
    CloseFd(m_readFd);
    CloseFd(m_writeFd);
    CloseFd(m_pidFd);
    // A child still running is left alone rather than waited for.
    if (m_pid > 0 && !m_ended) {
        ::waitpid(m_pid, nullptr, WNOHANG);
    }
}

bool PosixChildProcess::CreatePipe() {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        return false;
    }
    m_readFd = fds[0];
    m_writeFd = fds[1];
    return true;
}

bool PosixChildProcess::Start(const std::string& commandLine, const std::string& workingDirectory) {
    // The child reports a failed chdir or exec through this pipe; exec closes it on success.
    int status[2];
    if (::pipe2(status, O_CLOEXEC) != 0) {
        CloseFd(m_readFd);
        CloseFd(m_writeFd);
        return false;
    }
    std::string arg0 = "sh";
    std::string script = commandLine;
    char* argv[] = {arg0.data(), script.data(), nullptr};

    const pid_t pid = ::fork();
    if (pid == 0) {
        ExecChild(workingDirectory.c_str(), argv, m_writeFd, status[1]);
    }
    ::close(status[1]);
    int childError = 0;
    ssize_t got = 0;
    if (pid > 0) {
        do {
            got = ::read(status[0], &childError, sizeof childError);
        } while (got < 0 && errno == EINTR);
    }
    ::close(status[0]);
    CloseFd(m_writeFd);  // the child holds its own copy; the pipe ends when every writer has gone
    if (pid < 0 || got > 0) {
        if (pid > 0) {
            ::waitpid(pid, nullptr, 0);
        }
        CloseFd(m_readFd);
        return false;
    }
    m_pid = pid;
    m_pidFd = OpenPidFd(pid);
    ::fcntl(m_readFd, F_SETFL, ::fcntl(m_readFd, F_GETFL) | O_NONBLOCK);
    return true;
}

std::size_t PosixChildProcess::Read(char* buffer, std::size_t size) {
    if (m_readFd < 0 || m_pipeClosed) {
        return 0;
    }
    ssize_t got;
    do {
        got = ::read(m_readFd, buffer, size);
    } while (got < 0 && errno == EINTR);
    if (got == 0) {
        m_pipeClosed = true;
    }
    return got > 0 ? static_cast<std::size_t>(got) : 0;
}

bool PosixChildProcess::ReapIfEnded() {
    if (!m_ended && m_pid > 0) {
        pid_t got;
        do {
            got = ::waitpid(m_pid, nullptr, WNOHANG);
        } while (got < 0 && errno == EINTR);
        m_ended = got == m_pid || (got < 0 && errno == ECHILD);
    }
    return m_ended;
}

ChildProcess::WaitResult PosixChildProcess::WaitForDataOrEnd(std::chrono::milliseconds timeout) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        pollfd fds[2];
        nfds_t count = 0;
        int pipeIndex = -1;
        if (!m_pipeClosed && m_readFd >= 0) {
            pipeIndex = static_cast<int>(count);
            fds[count++] = {m_readFd, POLLIN, 0};
        }
        const bool watchPid = !m_ended && m_pidFd >= 0;
        int pidIndex = -1;
        if (watchPid) {
            pidIndex = static_cast<int>(count);
            fds[count++] = {m_pidFd, POLLIN, 0};
        }
        if (m_ended) {
            // Only what is already in the pipe still counts.
            if (pipeIndex >= 0 && ::poll(fds, 1, 0) > 0 && (fds[0].revents & POLLIN)) {
                return WaitResult::DataWaiting;
            }
            return WaitResult::Ended;
        }
        // Rounded up: rounded down, poll wakes just short of the deadline and the rest of the
        // slice goes by in polls with a zero timeout, a spin of up to a millisecond per slice.
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
        int waitMs = static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
        if (!watchPid) {
            waitMs = std::min(waitMs, kReapIntervalMs);
        }
        const int ready = ::poll(fds, count, waitMs);
        if (ready < 0 && errno != EINTR) {
            return WaitResult::TimedOut;
        }
        if (pipeIndex >= 0 && ready > 0) {
            const short events = fds[pipeIndex].revents;
            if (events & POLLIN) {
                return WaitResult::DataWaiting;
            }
            if (events & (POLLHUP | POLLERR)) {
                m_pipeClosed = true;  // nothing more can come; only the child's end is awaited
            }
        }
        // With a pidfd, waitpid is only worth asking once the pidfd has said so.
        const bool mayHaveEnded = !watchPid || (ready > 0 && fds[pidIndex].revents != 0);
        if (mayHaveEnded && ReapIfEnded()) {
            continue;  // report data still waiting before the end
        }
        if (Clock::now() >= deadline) {
            return WaitResult::TimedOut;
        }
    }
}

}  // namespace velmora
