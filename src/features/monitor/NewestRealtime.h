#pragma once

#include "features/monitor/RealtimeInfo.h"

#include <json/value.h>

class CMoxCacheInstance;

// The realtime counters live in the server instance. Polls may be answered out of order (two are
// in flight after a login, or once the stale limit sent another), and an older reply must not go
// back over a newer one: a counter that went back reads as a server restart. So the request
// number of the reply the counters came in is kept beside them, and both change together.

// Reads a counters reply into the instance's counters, unless they came in a newer reply. False
// when the reply was older and changed nothing.
bool MergeNewerRealtime(CMoxCacheInstance& instance, unsigned long requestNumber, const Json::Value& root);

// The instance's counters and the request number of the reply they came in.
RealtimeInfo ReadNewestRealtime(const CMoxCacheInstance& instance, unsigned long& requestNumber);
