#pragma once

#include "RuleListShape.h"

namespace morvix::sim {

// The black and white lists of client address ranges; ranges of one list may not overlap.
RuleListShape blackList();
RuleListShape whiteList();

}  // namespace morvix::sim
