#pragma once

#include <set>

// Which replies a poller takes. Polls may be answered out of order (a request given up after the
// stale limit, a slow server), and a late reply must never replace a newer reading: a reply is
// taken only when it is newer than the last one taken. A poller that watches one thing of its own
// (one host's origins) takes only replies to the requests it sent itself. Used on one thread.
class PolledReplies {
public:
    // A request of this poller went out (0: nothing did).
    void Sent(unsigned long requestNumber)
    {
        if (requestNumber != 0)
            sent_.insert(requestNumber);
    }
    // A reply to a request this poller sent, newer than the last it took.
    bool TakeOwn(unsigned long requestNumber)
    {
        if (!sent_.contains(requestNumber))
            return false;
        sent_.erase(sent_.begin(), sent_.upper_bound(requestNumber));
        return TakeNewer(requestNumber);
    }
    // Any reply of the poller's kind, newer than the last it took.
    bool TakeNewer(unsigned long requestNumber)
    {
        if (requestNumber <= lastTaken_)
            return false;
        lastTaken_ = requestNumber;
        return true;
    }

private:
    std::set<unsigned long> sent_;
    unsigned long lastTaken_ = 0;
};
