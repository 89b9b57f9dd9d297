#pragma once

#include <string>
#include <vector>

// Servers whose output is the same, told once: the largest group first, groups of one size in the
// order their first server was named.
struct OutputGroup {
    std::vector<std::string> servers;
    std::size_t first = 0;  // the index of the first server's output
};

std::vector<OutputGroup> GroupIdentical(const std::vector<std::string>& servers,
                                        const std::vector<std::string>& outputs);

// "a, b and c (3)"; one server alone is named without a count.
std::string GroupHeading(const OutputGroup& group);
