#pragma once

#include "SeededRandom.h"
#include "StreamFilter.h"
#include "UrlPattern.h"

#include <ctime>
#include <optional>
#include <string>

namespace morvix::sim {

// Makes the lines of the live request stream: one synthetic client request per line, matching
// the pattern and the address range, with the fields that the switches ask for, CR LF-terminated.
class RequestLineWriter {
public:
    RequestLineWriter(const StreamFilter& filter, uint64_t seed);

    // Appends one line; false (and nothing appended) when no matching request came up this time,
    // which happens with regular expressions that the traffic rarely meets.
    bool appendLine(std::string& out);

private:
    std::string candidateUrl();
    uint32_t clientAddress();
    const std::string& timeText();

    StreamFilter filter_;
    std::optional<UrlPattern> pattern_;
    SeededRandom random_;
    std::time_t shownSecond_ = 0;
    std::string shownTime_;
};

}  // namespace morvix::sim
