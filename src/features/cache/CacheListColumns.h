#pragma once

#include "features/cache/RCacheRule.h"
#include "features/cache/SCacheRule.h"

#include <string>

// The cell texts of the refuse-cache and session-cache lists, column by column as the views show
// them.
std::string RCacheColumnText(const RCacheRule& rule, int column);
std::string SCacheColumnText(const SCacheRule& rule, int column);
