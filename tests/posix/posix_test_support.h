// Helpers shared by the real-process tests: temporary trees, scoped environment, counting seams.
#pragma once

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "launch/child_process.h"
#include "platform/posix/posix_child_process.h"

namespace velmora::testing {

// A fresh directory (mode 0700, as mkdtemp makes it) removed with everything in it at the end.
class TempDir {
public:
    TempDir() {
        const char* base = std::getenv("TMPDIR");
        std::string pattern =
            std::string(base != nullptr && base[0] == '/' ? base : "/tmp") + "/velmora-test-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("mkdtemp failed");
        }
        m_path = pattern;
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }

    const std::string& Path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

// Sets (or, with nullopt, removes) one environment variable and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(std::string name, const std::optional<std::string>& value) : m_name(std::move(name)) {
        if (const char* old = std::getenv(m_name.c_str())) {
            m_old = old;
        }
        Apply(value);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;
    ~ScopedEnv() { Apply(m_old); }

private:
    void Apply(const std::optional<std::string>& value) {
        if (value) {
            ::setenv(m_name.c_str(), value->c_str(), 1);
        } else {
            ::unsetenv(m_name.c_str());
        }
    }

    std::string m_name;
    std::optional<std::string> m_old;
};

// mkdir is subject to the umask; the tests need the exact mode they ask for.
inline void MakeDir(const std::string& path, mode_t mode) {
    if (::mkdir(path.c_str(), mode) != 0 || ::chmod(path.c_str(), mode) != 0) {
        throw std::runtime_error("cannot make directory " + path);
    }
}

inline void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + path);
    }
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

inline bool Exists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

// Every name under root, recursively, relative to it.
inline std::vector<std::string> ListTree(const std::string& root) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        names.push_back(std::filesystem::relative(entry.path(), root).string());
    }
    return names;
}

// The real factory, counting the children asked for: 0 means nothing was launched.
class CountingProcessFactory final : public ProcessFactory {
public:
    std::unique_ptr<ChildProcess> NewChild() override {
        ++created;
        return m_real.NewChild();
    }

    int created = 0;

private:
    PosixProcessFactory m_real;
};

// Puts a pipe holding text (its writer closed) in place of this process's standard input.
class ScopedStdin {
public:
    explicit ScopedStdin(const std::string& text) : m_saved(::dup(STDIN_FILENO)) {
        int fds[2];
        if (::pipe(fds) != 0 || ::write(fds[1], text.data(), text.size()) < 0) {
            throw std::runtime_error("cannot make the stdin pipe");
        }
        ::close(fds[1]);
        ::dup2(fds[0], STDIN_FILENO);
        ::close(fds[0]);
    }
    ScopedStdin(const ScopedStdin&) = delete;
    ScopedStdin& operator=(const ScopedStdin&) = delete;
    ~ScopedStdin() {
        if (m_saved >= 0) {
            ::dup2(m_saved, STDIN_FILENO);
            ::close(m_saved);
        } else {
            ::close(STDIN_FILENO);
        }
    }

private:
    int m_saved;
};

// Ignores one signal and blocks another in this process for a while.
class ScopedSignalState {
public:
    ScopedSignalState(int ignored, int blocked) : m_ignored(ignored) {
        m_oldHandler = ::signal(ignored, SIG_IGN);
        sigset_t set;
        sigemptyset(&set);
        sigaddset(&set, blocked);
        ::sigprocmask(SIG_BLOCK, &set, &m_oldMask);
    }
    ScopedSignalState(const ScopedSignalState&) = delete;
    ScopedSignalState& operator=(const ScopedSignalState&) = delete;
    ~ScopedSignalState() {
        ::sigprocmask(SIG_SETMASK, &m_oldMask, nullptr);
        ::signal(m_ignored, m_oldHandler);
    }

private:
    int m_ignored;
    sighandler_t m_oldHandler;
    sigset_t m_oldMask;
};

// This process's own processor time (user + system) and the wall time since construction.
class CpuClock {
public:
    CpuClock() : m_cpuStart(Cpu()), m_wallStart(std::chrono::steady_clock::now()) {}
    double CpuSeconds() const { return Cpu() - m_cpuStart; }
    double WallSeconds() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - m_wallStart)
            .count();
    }

private:
    static double Cpu() {
        rusage usage{};
        ::getrusage(RUSAGE_SELF, &usage);
        return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
               static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    }

    double m_cpuStart;
    std::chrono::steady_clock::time_point m_wallStart;
};

// The lines of a pane's text, split at its "\r\n" line breaks; a last empty piece is dropped.
inline std::vector<std::string> PaneLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t pos; (pos = text.find("\r\n", start)) != std::string::npos; start = pos + 2) {
        lines.push_back(text.substr(start, pos - start));
    }
    if (start < text.size()) {
        lines.push_back(text.substr(start));
    }
    return lines;
}

}  // namespace velmora::testing
