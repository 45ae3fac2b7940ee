// What the runner asks of the window while a child runs.
#pragma once

namespace velmora {

class RunnerHost {
public:
    virtual ~RunnerHost() = default;
    // Called often while a child runs: paint and show output, but take no input.
    virtual void KeepAlive() = 0;
};

}  // namespace velmora
