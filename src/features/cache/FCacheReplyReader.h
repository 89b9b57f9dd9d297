#pragma once

#include "features/cache/FCacheRule.h"

#include <json/value.h>

#include <vector>

// The rules of an accepted page-cache list reply, in reply order. False when the reply is malformed.
bool ReadFCacheRuleList(const Json::Value& root, std::vector<FCacheRule>& rules);
