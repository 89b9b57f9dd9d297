#pragma once

#include "protocol/SentRequestNumber.h"

#include <functional>
#include <set>

// The one way to wait for replies. Whatever waits for a completion (a view, a form, a batch, an
// import, a poller, the login view) sends its requests through one of these and asks it whether a
// completion is its own, by the request number the completion carries:
// - Take: a reply to a request it sent, each taken once; a completion it did not ask for (another
//   window's, one it stopped waiting for) neither ends its wait nor changes what it shows.
// - TakeOwn / TakeNewer: for pollers, a reply newer than the last one taken, so that a late reply
//   never replaces a newer reading; TakeOwn also asks that the request was its own.
// - Sessions: completions of requests sent before the latest login attempt, successful login or
//   server switch (an older session generation) reach no handler at all; EndOlderSessions then
//   forgets their waits, keeping those sent since, whichever of the two was told first.
// A new view gets all of this by sending through one and taking only what it says is its own,
// through CViewEventRelay (TakeOnlyAwaited / EndBusyOnLogin). Used on one thread.
class AwaitedReplies {
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

    // True when the completion is one awaited; from then on it is not.
    bool Take(unsigned long requestNumber) { return awaited_.erase(requestNumber) > 0; }
    // A reply to a request sent here, newer than the last taken; the older requests are not
    // awaited any more.
    bool TakeOwn(unsigned long requestNumber)
    {
        if (!awaited_.contains(requestNumber))
            return false;
        awaited_.erase(awaited_.begin(), awaited_.upper_bound(requestNumber));
        return TakeNewer(requestNumber);
    }
    // Any reply of the kind, newer than the last taken.
    bool TakeNewer(unsigned long requestNumber)
    {
        if (requestNumber <= lastTaken_)
            return false;
        lastTaken_ = requestNumber;
        return true;
    }

    bool IsAwaited(unsigned long requestNumber) const { return awaited_.contains(requestNumber); }
    bool IsBusy() const { return !awaited_.empty(); }
    void Reset() { awaited_.clear(); }
    void EndOlderSessions() { std::erase_if(awaited_, nsMoxHttp::IsOfOlderSession); }

private:
    std::set<unsigned long> awaited_;
    unsigned long lastTaken_ = 0;
};
