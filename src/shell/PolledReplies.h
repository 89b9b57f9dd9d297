#pragma once

#include "protocol/AwaitedReplies.h"

// Which replies a poller takes: the one waiting mechanism, by the name the pollers use for it.
// Polls may be answered out of order (a request given up after the stale limit, a slow server);
// a poller takes only replies newer than the last it took, and one that watches one thing of its
// own (one host's origins) only replies to the requests it sent itself.
using PolledReplies = AwaitedReplies;
