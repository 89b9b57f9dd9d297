#pragma once

#include "RuleListShape.h"

namespace morvix::sim {

// The three cache rule lists: which pages are cached, which are refused, which login URLs carry
// session identifiers.
RuleListShape pageCacheRules();
RuleListShape refuseCacheRules();
RuleListShape sessionCacheRules();

}  // namespace morvix::sim
