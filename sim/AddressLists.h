#pragma once

#include "RuleListSpec.h"

namespace morvix::sim {

// The black and white lists of client address ranges; ranges of one list may not overlap.
RuleListSpec blackList();
RuleListSpec whiteList();

}  // namespace morvix::sim
