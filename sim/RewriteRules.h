#pragma once

#include "RuleListSpec.h"

namespace morvix::sim {

// Rewrite (redirect) rules: a source URL, always a regular expression, and its destination.
RuleListSpec rewriteRules();

}  // namespace morvix::sim
