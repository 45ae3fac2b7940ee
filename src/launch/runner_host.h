// What the runner asks of the window while a child runs.
#pragma once

namespace velmora {

class RunnerHost {
public:
    virtual ~RunnerHost() = default;
    // A child has started: until LaunchEnded the windows take no input.
    virtual void LaunchStarted() {}
    // Called often while a child runs: paint and show output.
    virtual void KeepAlive() = 0;
    // The child has ended and all its output is in the pane.
    virtual void LaunchEnded() {}
};

}  // namespace velmora
