#pragma once

#include "RuleListSpec.h"

namespace morvix::sim {

// The three cache rule lists: which pages are cached, which are refused, which login URLs carry
// session identifiers.
RuleListSpec pageCacheRules();
RuleListSpec refuseCacheRules();
RuleListSpec sessionCacheRules();

}  // namespace morvix::sim
