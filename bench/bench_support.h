// What both benchmarks share: a pane that only counts, quiet seams, clocks and a script helper.
#pragma once

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "launch/output_pane.h"
#include "launch/runner_host.h"
#include "platform/posix/posix_script_file.h"
#include "ui/message_box.h"

namespace velmora::bench {

// Counts what arrives instead of keeping it: the benchmark measures the capture, not a widget.
class CountingPane final : public OutputPane {
public:
    void SetText(std::string_view text) override {
        m_length = text.size();
        lines = 1;
    }
    std::size_t GetTextLength() const override { return m_length; }
    void SetSel(std::size_t, std::size_t) override {}
    void ScrollCaret() override {}
    void ReplaceSel(std::string_view text) override {
        m_length += text.size();
        // memchr rather than std::count: the count must not be what the benchmark measures.
        const char* end = text.data() + text.size();
        for (const char* p = text.data(); (p = static_cast<const char*>(std::memchr(
                                               p, '\n', static_cast<std::size_t>(end - p))));
             ++p) {
            ++lines;
        }
    }
    std::size_t GetLineCount() const override { return lines; }
    void LineScroll(int, std::size_t) override {}
    void SetReadOnly(bool) override {}

    std::size_t lines = 1;

private:
    std::size_t m_length = 0;
};

class StderrMessageBox final : public MessageBoxService {
public:
    void Show(std::string_view text, MessageIcon) override {
        std::fprintf(stderr, "message box: %.*s\n", static_cast<int>(text.size()), text.data());
    }
};

class IdleHost final : public RunnerHost {
public:
    void KeepAlive() override {}
};

inline double Seconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// This process's own processor time, user + system, in seconds.
inline double CpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// A private directory holding one script, removed at the end.
class ScriptDir {
public:
    ScriptDir() {
        std::string pattern = "/tmp/velmora-bench-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::perror("mkdtemp");
            std::exit(1);
        }
        m_dir = pattern;
    }
    ScriptDir(const ScriptDir&) = delete;
    ScriptDir& operator=(const ScriptDir&) = delete;
    ~ScriptDir() {
        ::unlink(ScriptPath().c_str());
        ::rmdir(m_dir.c_str());
    }

    const std::string& Path() const { return m_dir; }
    std::string ScriptPath() const { return m_dir + "/mame.sh"; }
    std::string Write(const std::string& content) {
        PosixScriptFile file;
        if (file.Write(ScriptPath(), content) != ScriptFile::Result::Written) {
            std::fprintf(stderr, "cannot write %s\n", ScriptPath().c_str());
            std::exit(1);
        }
        return ScriptPath();
    }

private:
    std::string m_dir;
};

}  // namespace velmora::bench
