#pragma once

#include <cstdlib>
#include <fstream>
#include <string>

// This process's resident memory in kB (VmRSS), or -1 when it cannot be read.
inline long ResidentKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}
