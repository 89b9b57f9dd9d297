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
// - List reads: a view that shows a list read from the server sends each read as one. Only the
//   newest list read sent is awaited, so an older one's reply is never shown. A list read may be
//   answered before a change of the view is carried out and arrive after the change's reply:
//   TakeReply says so (ListOutdated) when another awaited reply was taken while the read was
//   awaited, and the view reads again instead of showing it. A change whose effect is relative (a
//   move) asks ListShownSince: a list read sent after it and shown may show it already.
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

    // A list read went out (0: nothing did): the list read awaited before it is not awaited any more.
    void ListReadSent(unsigned long requestNumber)
    {
        if (requestNumber == 0)
            return;
        awaited_.erase(listRead_);
        awaited_.insert(requestNumber);
        listRead_ = requestNumber;
        listOutdated_ = false;
    }
    unsigned long SendListRead(const std::function<bool()>& send)
    {
        const unsigned long requestNumber = nsMoxHttp::SentRequestNumber(send);
        ListReadSent(requestNumber);
        return requestNumber;
    }

    enum class Taken { No, Yes, ListOutdated };
    // Whether the completion is one awaited, from then on not; a list read's reply is ListOutdated
    // when another awaited reply was taken while it was awaited.
    Taken TakeReply(unsigned long requestNumber)
    {
        if (awaited_.erase(requestNumber) == 0)
            return Taken::No;
        if (requestNumber != listRead_) {
            if (listRead_ != 0)
                listOutdated_ = true;
            return Taken::Yes;
        }
        listRead_ = 0;
        if (listOutdated_)
            return Taken::ListOutdated;
        listShown_ = requestNumber;
        return Taken::Yes;
    }
    // True when the completion is one awaited (an outdated list read's is not); from then on it is not.
    bool Take(unsigned long requestNumber) { return TakeReply(requestNumber) == Taken::Yes; }
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

    bool IsBusy() const { return !awaited_.empty(); }
    bool IsListReadAwaited() const { return listRead_ != 0; }
    // True when a list read sent after this request was shown.
    bool ListShownSince(unsigned long requestNumber) const { return listShown_ > requestNumber; }
    void Reset()
    {
        awaited_.clear();
        listRead_ = 0;
    }
    void EndOlderSessions()
    {
        std::erase_if(awaited_, nsMoxHttp::IsOfOlderSession);
        if (!awaited_.contains(listRead_))
            listRead_ = 0;
    }

private:
    std::set<unsigned long> awaited_;
    unsigned long lastTaken_ = 0;
    unsigned long listRead_ = 0;  // the list read awaited, 0 for none
    bool listOutdated_ = false;
    unsigned long listShown_ = 0;  // the last list read shown
};
