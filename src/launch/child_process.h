// A hidden child process whose standard output and error arrive on one pipe.
#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>

namespace velmora {

class ChildProcess {
public:
    enum class WaitResult { DataWaiting, Ended, TimedOut };

    // Closes whatever is still open.
    virtual ~ChildProcess() = default;
    virtual bool CreatePipe() = 0;
    // Starts commandLine in workingDirectory with no standard input; on failure the pipe is
    // closed again.
    virtual bool Start(const std::string& commandLine, const std::string& workingDirectory) = 0;
    // Takes what is waiting in the pipe, at most size bytes, without blocking; 0 when none is.
    virtual std::size_t Read(char* buffer, std::size_t size) = 0;
    // Blocks until data is waiting, the child has ended or the timeout passes; data waiting
    // wins over the end, so nothing the child wrote is missed.
    virtual WaitResult WaitForDataOrEnd(std::chrono::milliseconds timeout) = 0;
};

class ProcessFactory {
public:
    virtual ~ProcessFactory() = default;
    virtual std::unique_ptr<ChildProcess> NewChild() = 0;
};

}  // namespace velmora
