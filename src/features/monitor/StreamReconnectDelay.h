#pragma once

#include <chrono>

// How long a monitor waits before it opens its stream again. The first end reconnects at once;
// a stream that ends again without having delivered a line waits 0.5 s, then twice as long each
// time up to 30 s, so that a server refusing every stream is not hammered. A delivered line
// starts the count afresh.
class StreamReconnectDelay {
public:
    static constexpr std::chrono::milliseconds kFirstWait{500};
    static constexpr std::chrono::milliseconds kLongestWait{30000};

    // A line arrived on the current stream.
    void LineDelivered() { delivered_ = true; }

    // The stream ended: the wait before the next attempt.
    std::chrono::milliseconds NextWait();

    // Monitoring starts afresh.
    void Reset();

private:
    bool delivered_ = false;
    bool endedBefore_ = false;
    std::chrono::milliseconds wait_{0};
};
