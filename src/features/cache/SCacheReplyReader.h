#pragma once

#include "features/cache/SCacheRule.h"

#include <json/value.h>

#include <vector>

// The rules of an accepted session-cache list reply, in reply order. False when the reply is
// malformed; every key of an element is required.
bool ReadSCacheRuleList(const Json::Value& root, std::vector<SCacheRule>& rules);
