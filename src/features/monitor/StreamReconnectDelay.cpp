#include "features/monitor/StreamReconnectDelay.h"

#include <algorithm>

std::chrono::milliseconds StreamReconnectDelay::NextWait()
{
    if (delivered_ || !endedBefore_) {
        delivered_ = false;
        endedBefore_ = true;
        wait_ = std::chrono::milliseconds(0);
        return wait_;
    }
    wait_ = wait_.count() == 0 ? kFirstWait : std::min(wait_ * 2, kLongestWait);
    return wait_;
}

void StreamReconnectDelay::Reset()
{
    delivered_ = false;
    endedBefore_ = false;
    wait_ = std::chrono::milliseconds(0);
}
