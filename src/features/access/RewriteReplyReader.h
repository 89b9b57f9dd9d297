#pragma once

#include "features/access/RewriteRule.h"

#include <json/value.h>

#include <vector>

// The rules of an accepted rewrite list reply, in reply order. False when the reply is malformed;
// every key of an element is required.
bool ReadRewriteRuleList(const Json::Value& root, std::vector<RewriteRule>& rules);
