#pragma once

#include "features/monitor/RealtimeInfo.h"

#include <json/value.h>

class CMoxCacheInstance;

// The realtime counters live in the server instance. Polls may be answered out of order (two are
// in flight after a login, or once the stale limit sent another), and an older reply must not go
// back over a newer one: a counter that went back reads as a server restart. So the request
// number of the reply the counters came in is kept beside them, and both change together.

// Reads a counters reply over the instance's counters into `info`, which the instance then keeps
// unless its counters came in a newer reply. False when the reply was older and changed nothing.
bool MergeNewerRealtime(CMoxCacheInstance& instance, unsigned long requestNumber, const Json::Value& root,
                        RealtimeInfo& info);
