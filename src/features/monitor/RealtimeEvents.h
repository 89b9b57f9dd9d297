#pragma once

#include "features/monitor/RealtimeInfo.h"
#include "protocol/ResultRecords.h"

// The counters as one reply left them, so that each reply is shown as itself even when the
// instance's copy has already moved on to a later one.
class CRealtimeInfoEventParam : public CMoxItemEventParamT<RealtimeInfo> {};
