// A hidden child process whose standard output and error share one anonymous pipe.
#pragma once

#include "launch/child_process.h"
#include "platform/win32/win32_handles.h"

namespace velmora::win32 {

class Win32ChildProcess final : public ChildProcess {
public:
    bool CreatePipe() override;
    bool Start(const std::string& commandLine, const std::string& workingDirectory) override;
    std::size_t Read(char* buffer, std::size_t size) override;
    WaitResult WaitForDataOrEnd(std::chrono::milliseconds timeout) override;

private:
    std::size_t Available() const;

    UniqueHandle m_read;
    UniqueHandle m_write;
    UniqueHandle m_process;
};

class Win32ProcessFactory final : public ProcessFactory {
public:
    std::unique_ptr<ChildProcess> NewChild() override;
};

}  // namespace velmora::win32
