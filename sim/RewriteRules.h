#pragma once

#include "RuleListShape.h"

namespace morvix::sim {

// Rewrite (redirect) rules: a source URL, always a regular expression, and its destination.
RuleListShape rewriteRules();

}  // namespace morvix::sim
