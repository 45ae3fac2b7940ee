// CreatePipe, CreateProcessA and a reader that never blocks.
#include "platform/win32/win32_child_process.h"

#include <algorithm>
#include <vector>

namespace velmora::win32 {
namespace {

// A process handle cannot signal arriving data, so a silent child is watched in short waits.
constexpr DWORD kWaitSliceMs = 2;

}  // namespace

bool Win32ChildProcess::CreatePipe() {
    SECURITY_ATTRIBUTES security{};
    security.nLength = sizeof security;
    security.lpSecurityDescriptor = nullptr;
    security.bInheritHandle = TRUE;
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    if (!::CreatePipe(&read, &write, &security, 0)) {
        return false;
    }
    m_read = UniqueHandle(read);
    m_write = UniqueHandle(write);
    // Only the write end goes to the child; were the read end inherited too, a grandchild that
    // outlives the child would hold both ends.
    ::SetHandleInformation(m_read.Get(), HANDLE_FLAG_INHERIT, 0);
    return true;
}

bool Win32ChildProcess::Start(const std::string& commandLine, const std::string& workingDirectory) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = nullptr;
    startup.hStdOutput = m_write.Get();
    startup.hStdError = m_write.Get();
    PROCESS_INFORMATION process{};
    // CreateProcessA may write into the command line.
    std::vector<char> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back('\0');
    if (!::CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                          workingDirectory.c_str(), &startup, &process)) {
        m_read.Close();
        m_write.Close();
        return false;
    }
    ::CloseHandle(process.hThread);
    m_process = UniqueHandle(process.hProcess);
    m_write.Close();
    return true;
}

std::size_t Win32ChildProcess::Available() const {
    DWORD available = 0;
    if (!::PeekNamedPipe(m_read.Get(), nullptr, 0, nullptr, &available, nullptr)) {
        return 0;
    }
    return available;
}

std::size_t Win32ChildProcess::Read(char* buffer, std::size_t size) {
    const std::size_t available = std::min(Available(), size);
    if (available == 0) {
        return 0;
    }
    DWORD read = 0;
    if (!::ReadFile(m_read.Get(), buffer, static_cast<DWORD>(available), &read, nullptr)) {
        return 0;
    }
    return read;
}

ChildProcess::WaitResult Win32ChildProcess::WaitForDataOrEnd(std::chrono::milliseconds timeout) {
    const auto total = static_cast<DWORD>(std::clamp<long long>(timeout.count(), 0, 0x7FFFFFFF));
    DWORD waited = 0;
    for (;;) {
        if (Available() > 0) {
            return WaitResult::DataWaiting;
        }
        const DWORD slice = std::min(kWaitSliceMs, total - waited);
        if (::WaitForSingleObject(m_process.Get(), slice) == WAIT_OBJECT_0) {
            return Available() > 0 ? WaitResult::DataWaiting : WaitResult::Ended;
        }
        waited += slice;
        if (waited >= total) {
            return WaitResult::TimedOut;
        }
    }
}

std::unique_ptr<ChildProcess> Win32ProcessFactory::NewChild() {
    return std::make_unique<Win32ChildProcess>();
}

}  // namespace velmora::win32
