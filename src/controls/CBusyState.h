#pragma once

#include "protocol/SentRequestNumber.h"

#include <functional>
#include <set>

// Whether a view waits for replies to its own requests, and which: each request it sent is known by
// the request number its completion will carry until that completion is taken. A completion the
// view did not ask for (another window's, or one it stopped waiting for) is not taken, so it can
// neither end the wait for another nor change what the view shows.
class CBusyState {
public:
    // 0 is the number of a request that did not go out: nothing to wait for.
    void Sent(unsigned long requestNumber)
    {
        if (requestNumber != 0)
            awaited_.insert(requestNumber);
    }
    // Runs a request builder and waits for what it sent; returns its number, 0 when nothing went out.
    unsigned long Send(const std::function<bool()>& send)
    {
        const unsigned long requestNumber = nsMoxHttp::SentRequestNumber(send);
        Sent(requestNumber);
        return requestNumber;
    }
    // True when the completion is one the view waits for; from then on it is not awaited.
    bool Take(unsigned long requestNumber) { return awaited_.erase(requestNumber) > 0; }
    bool IsAwaited(unsigned long requestNumber) const { return awaited_.contains(requestNumber); }
    void Reset() { awaited_.clear(); }
    // A login or a server switch: the requests sent in an older session generation get no reply
    // any more (theirs are dropped), so they are no longer awaited; those sent since stay awaited,
    // whichever was told first.
    void EndOlderSessions() { std::erase_if(awaited_, nsMoxHttp::IsOfOlderSession); }
    bool IsBusy() const { return !awaited_.empty(); }

private:
    std::set<unsigned long> awaited_;
};
