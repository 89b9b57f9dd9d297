#pragma once

#include <cstdint>
#include <optional>

// The physical memory of the server machine in MB, from the figure in KB the server reports.
std::int64_t PhysicalMemoryMB(std::int64_t totalPhysicalKB);

// The most memory worth giving the server on a machine with this much physical memory (MB);
// nothing when the machine's memory is unknown (0 or less).
std::optional<std::int64_t> RecommendedMemoryMB(std::int64_t physicalMB, bool is32BitServer);
