// Fakes of the launch seams: message box, host, script file and a scripted child process.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "launch/child_process.h"
#include "launch/runner_host.h"
#include "launch/script_file.h"
#include "ui/message_box.h"

namespace velmora::testing {

class FakeMessageBox : public MessageBoxService {
public:
    void Show(std::string_view text, MessageIcon icon) override {
        shown.emplace_back(std::string(text), icon);
    }
    std::vector<std::pair<std::string, MessageIcon>> shown;
};

class FakeRunnerHost : public RunnerHost {
public:
    void LaunchStarted() override { ++started; }
    void KeepAlive() override { ++keepAliveCalls; }
    void LaunchEnded() override { ++ended; }
    int started = 0;
    int keepAliveCalls = 0;
    int ended = 0;
};

class FakeScriptFile : public ScriptFile {
public:
    std::string TemporaryDirectory() override { return temporaryDirectory; }
    Result Write(const std::string& path, std::string_view content) override {
        if (result == Result::Written) {
            files[path] = std::string(content);
        }
        ++writes;
        return result;
    }

    std::string temporaryDirectory = "C:\\TEMP\\";
    Result result = Result::Written;
    std::map<std::string, std::string> files;
    int writes = 0;
};

// What a scripted child does: the chunks that become readable, one after another, and the
// point at which it ends.
struct ChildScript {
    bool pipeFails = false;
    bool startFails = false;
    std::deque<std::string> pending;  // each entry becomes readable after one wait
    std::size_t silentWaitsBeforeEnd = 0;
    std::string dataAfterEnd;  // already in the pipe when the child has ended
};

class FakeChildProcess : public ChildProcess {
public:
    explicit FakeChildProcess(ChildScript& script) : m_script(script) {}
    ~FakeChildProcess() override { ++destroyed; }

    bool CreatePipe() override { return !m_script.pipeFails; }
    bool Start(const std::string& commandLine, const std::string& workingDirectory) override {
        startedCommandLine = commandLine;
        startedDirectory = workingDirectory;
        return !m_script.startFails;
    }
    std::size_t Read(char* buffer, std::size_t size) override {
        const std::size_t count = std::min(size, m_readable.size());
        std::copy_n(m_readable.begin(), count, buffer);
        m_readable.erase(0, count);
        reads.push_back(count);
        return count;
    }
    WaitResult WaitForDataOrEnd(std::chrono::milliseconds) override {
        ++waits;
        if (!m_script.pending.empty()) {
            m_readable += m_script.pending.front();
            m_script.pending.pop_front();
            return WaitResult::DataWaiting;
        }
        if (m_script.silentWaitsBeforeEnd > 0) {
            --m_script.silentWaitsBeforeEnd;
            return WaitResult::TimedOut;
        }
        m_readable += std::exchange(m_script.dataAfterEnd, std::string());
        return WaitResult::Ended;
    }

    static inline int destroyed = 0;
    static inline std::string startedCommandLine;
    static inline std::string startedDirectory;
    std::vector<std::size_t> reads;
    int waits = 0;

private:
    ChildScript& m_script;
    std::string m_readable;
};

class FakeProcessFactory : public ProcessFactory {
public:
    std::unique_ptr<ChildProcess> NewChild() override {
        ++created;
        return std::make_unique<FakeChildProcess>(script);
    }
    ChildScript script;
    int created = 0;
};

}  // namespace velmora::testing
