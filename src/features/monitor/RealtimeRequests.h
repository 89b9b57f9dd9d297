#pragma once

#include "features/monitor/CInstantRequestRule.h"
#include "protocol/CMoxStoppableRequest.h"
#include "protocol/RequestValues.h"

#include <string>

// The realtime requests. Each returns true when the request was handed to the transport.
bool MonitorManager_RealtimeList();
bool MonitorManager_RealtimeTotalStat();

// The values a rule sends: its address, match and the switches of what each line shows.
nsMoxHttp::RequestValues InstantRequestRuleValues(const CInstantRequestRule& rule);

// Opens a live stream of the requests that match the rule, from clients between ipLow and ipHigh
// (either empty: that bound is not sent). Its events carry runNumber. The stream runs until it
// ends or the returned request is stopped or destroyed.
nsMoxHttp::CMoxStoppableRequest MonitorManager_InstantRequest(const CInstantRequestRule& rule, const std::string& ipLow,
                                   const std::string& ipHigh, int runNumber);
