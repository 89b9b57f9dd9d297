#pragma once

#include "CtlSession.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

// The adds of an import, sent one at a time, each awaited for at most the step time. Only the
// completion carrying the add's own request number answers it; the late reply to an earlier add
// given up after its time does not.
//
// SIGINT or SIGTERM stops the batch: nothing more is sent, the add in flight is given a short grace
// to be answered and is then abandoned. An add whose answer never came, failed on the way or could
// not be read is looked for in the server's list, so the count printed is what the server took.
struct AddBatch {
    struct Step {
        int completionEvent = 0;
        unsigned long requestNumber = 0;  // 0: nothing went out
        std::string rule;                 // the list and key of the entry, for the report of failures
    };
    std::size_t count = 0;
    std::function<Step(std::size_t index)> send;
    // Whether the server now holds the entry at `index`; none when that cannot be told. May be empty.
    std::function<std::optional<bool>(CtlSession& session, std::size_t index)> heldByServer;
};

// Prints "accepted A, refused R, timed out T" (and ", failed F" for exchanges that failed and whose
// adds the server's list does not hold), then every entry that was not accepted with its status
// text; with `json` one object of the counts as numbers and the list. 0 only when every add was
// accepted; the stop's status (130, 143) when a signal stopped the batch.
int SendAdds(CtlSession& session, const AddBatch& batch, bool json);
