#pragma once

#include <cstdint>
#include <string>

// One line of the server's traffic report (by province). Texts are UTF-8.
struct RealtimeStatRow {
    std::string Name;  // at most 127 characters
    std::int32_t TotalRequests = 0;
    std::int32_t DistinctAddresses = 0;
    std::string RequestsPerAddress;  // at most 15 characters, as the server formats it
    std::string TrafficShare;        // at most 15 characters

    static constexpr std::size_t kNameLimit = 127;
    static constexpr std::size_t kFigureLimit = 15;
};
