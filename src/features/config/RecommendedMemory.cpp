#include "features/config/RecommendedMemory.h"

std::int64_t PhysicalMemoryMB(std::int64_t totalPhysicalKB)
{
    return totalPhysicalKB / 1024;
}

std::optional<std::int64_t> RecommendedMemoryMB(std::int64_t physicalMB, bool is32BitServer)
{
    if (physicalMB <= 0)
        return std::nullopt;
    // The operating system and the disk-cache index need a share that grows more slowly than memory.
    const double m = static_cast<double>(physicalMB);
    double recommended = 0;
    if (physicalMB <= 500)
        recommended = 64;
    else if (physicalMB <= 1000)
        recommended = (m - 500) / 5 + 64;
    else if (physicalMB <= 2000)
        recommended = (m - 1000) / 3 + 500 - 350;
    else if (physicalMB <= 3000)
        recommended = (m - 2000) / 2.5 + 1000 - 300;
    else if (physicalMB <= 4000)
        recommended = (m - 3000) * 0.5 + 1500 - 200;
    else if (is32BitServer)
        recommended = 1500;
    else
        recommended = m - 2000;
    return static_cast<std::int64_t>(recommended);
}
