#pragma once

#include "integration/MorvixctlProcess.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace morvix::bench {

// The wall time of one morvixctl run in seconds, or a negative number when it did not exit with
// the status expected (what it wrote is printed).
inline double TimedRun(const std::vector<std::string>& arguments, const std::string& dataHome, int expectedStatus = 0)
{
    const auto start = std::chrono::steady_clock::now();
    morvix::test::MorvixctlProcess run(arguments, {"MORVIX_PASSWORD=admin", "XDG_DATA_HOME=" + dataHome});
    const int status = run.Wait(std::chrono::minutes(10));
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (status != expectedStatus) {
        std::fprintf(stderr, "morvixctl exited %d:\n%s%s", status, run.Out().substr(0, 4000).c_str(),
                     run.Err().c_str());
        return -1;
    }
    return took.count();
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace morvix::bench
