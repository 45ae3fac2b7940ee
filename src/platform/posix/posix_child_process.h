// The child process on POSIX: "/bin/sh <script>" with stdout and stderr on one pipe.
#pragma once

#include <sys/types.h>

#include "launch/child_process.h"

namespace velmora {

class PosixChildProcess final : public ChildProcess {
public:
    PosixChildProcess() = default;
    PosixChildProcess(const PosixChildProcess&) = delete;
    PosixChildProcess& operator=(const PosixChildProcess&) = delete;
    ~PosixChildProcess() override;

    bool CreatePipe() override;
    // commandLine is the path of a shell script, run by /bin/sh as its one argument.
    bool Start(const std::string& commandLine, const std::string& workingDirectory) override;
    std::size_t Read(char* buffer, std::size_t size) override;
    WaitResult WaitForDataOrEnd(std::chrono::milliseconds timeout) override;

private:
    bool ReapIfEnded();

    int m_readFd = -1;
    int m_writeFd = -1;
    int m_pidFd = -1;  // readable once the child has ended; -1 where the kernel has none
    pid_t m_pid = -1;
    bool m_ended = false;
    bool m_pipeClosed = false;  // every writer has closed the pipe
};

class PosixProcessFactory final : public ProcessFactory {
public:
    std::unique_ptr<ChildProcess> NewChild() override {
        return std::make_unique<PosixChildProcess>();
    }
};

}  // namespace velmora
