// Runs one command line as a hidden child and streams its output into the output pane.
#pragma once

#include <string>

#include "launch/child_process.h"
#include "launch/output_pane.h"
#include "launch/runner_host.h"
#include "ui/message_box.h"

namespace velmora {

inline constexpr char kPipeErrorText[] = "Unable to open Pipe to M.A.M.E.";
inline constexpr char kProcessErrorText[] = "Unable to create M.A.M.E. process";

class CEmulatorRunner {
public:
    CEmulatorRunner(ProcessFactory& processes, MessageBoxService& messageBox, RunnerHost& host)
        : m_processes(processes), m_messageBox(messageBox), m_host(host) {}
    virtual ~CEmulatorRunner() = default;

    // True once the child has been started and has ended; false when the pipe or the process
    // cannot be created (reported in a message box).
    bool RunAndCapture(OutputPane& pane, std::string workingDirectory, std::string commandLine);

private:
    ProcessFactory& m_processes;
    MessageBoxService& m_messageBox;
    RunnerHost& m_host;
};

}  // namespace velmora
