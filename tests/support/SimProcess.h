#pragma once

#include "SimClient.h"

#include <string>
#include <sys/types.h>
#include <vector>

namespace morvix::test {

// A morvix-sim started for one test on a free loopback port, stopped (SIGTERM) and reaped when
// the object goes. Its SimClient side reaches the simulator's /sim/ control endpoint.
class SimProcess : public SimClient {
public:
    explicit SimProcess(std::vector<std::string> extraArgs = {});
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    pid_t pid() const { return pid_; }
    // Stops the process and waits for it; returns its exit status (as from waitpid).
    int stop();

private:
    pid_t pid_ = -1;
    int exitStatus_ = 0;
};

}  // namespace morvix::test
