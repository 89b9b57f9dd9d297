#pragma once

#include "features/monitor/CInstantRequestRule.h"

#include <string>

// The realtime requests. Each returns true when the request was handed to the transport.
bool MonitorManager_RealtimeList();
bool MonitorManager_RealtimeTotalStat();

// Opens a live stream of the requests that match the rule, from clients between ipLow and ipHigh
// (either empty: that bound is not sent). Its events carry runNumber.
bool MonitorManager_InstantRequest(const CInstantRequestRule& rule, const std::string& ipLow,
                                   const std::string& ipHigh, int runNumber);
