#pragma once

#include "RuntimeSettings.h"
#include "StopSignal.h"
#include "StreamFilter.h"

#include <httplib.h>

#include <atomic>
#include <cstdint>
#include <optional>

namespace morvix::sim {

// Answers "realtime instantrequest": a chunked response that stays open and carries request
// lines at the configured rate, as plain text or as a page for a browser.
class LiveStream {
public:
    LiveStream(const RuntimeSettings& settings, const StopSignal& stop, uint64_t seed);

    // `cutAfter` ends the stream after that many lines; `reset` breaks the connection in the
    // middle of a line once the first lines went out.
    void serve(const StreamFilter& filter, std::optional<long long> cutAfter, bool reset,
               const httplib::Request& request, httplib::Response& response);

private:
    const RuntimeSettings& settings_;
    const StopSignal& stop_;
    uint64_t seed_;
    std::atomic<uint64_t> streamsServed_{0};
};

}  // namespace morvix::sim
