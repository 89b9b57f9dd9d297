#pragma once

#include "features/cache/RCacheRule.h"

#include <json/value.h>

#include <vector>

// The rules of an accepted refuse-cache list reply, in reply order. False when the reply is malformed.
bool ReadRCacheRuleList(const Json::Value& root, std::vector<RCacheRule>& rules);
