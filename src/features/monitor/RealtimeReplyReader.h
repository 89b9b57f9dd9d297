#pragma once

#include "features/monitor/RealtimeInfo.h"

#include <json/value.h>

// Overwrites the fields of info that an accepted counters reply carries; the others keep their
// values, except the server clock, which is 0 when the reply lacks it.
void ReadRealtimeInfo(const Json::Value& root, RealtimeInfo& info);
