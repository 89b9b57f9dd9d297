#pragma once

#include "protocol/SentRequestNumber.h"

#include <algorithm>
#include <mutex>

// A copy of server state that replies write, answered out of order: a reply to an older request
// must not go back over what a newer one brought. Keeps the request number of the newest reply the
// copy came from; every change to the copy is made under one lock. Request numbers never repeat
// within a run, so one keeper serves every server instance in turn; a reply to a request of an older
// session (another server, a login since left) writes nothing.
class NewestReplyCopy {
public:
    // Runs `read` (the reply over the current copy), then `keep` (writing the copy) only when the
    // reply is newer than the one the copy came from. False when it was older and kept nothing.
    template <class Read, class Keep>
    bool MergeIfNewer(unsigned long requestNumber, Read read, Keep keep)
    {
        std::lock_guard guard(lock_);
        read();
        if (requestNumber <= newest_ || nsMoxHttp::IsOfOlderSession(requestNumber))
            return false;
        keep();
        newest_ = requestNumber;
        return true;
    }

    // A change the server accepted holds whatever was read before it.
    template <class Change>
    void Accepted(unsigned long requestNumber, Change change)
    {
        std::lock_guard guard(lock_);
        if (nsMoxHttp::IsOfOlderSession(requestNumber))
            return;
        change();
        newest_ = std::max(newest_, requestNumber);
    }

private:
    std::mutex lock_;
    unsigned long newest_ = 0;
};
