#pragma once

#include "features/access/RewriteRule.h"

#include <string>
#include <string_view>

// The rewrite list's cells: position, access URL, destination URL, case, flow word, note.
std::string RewriteColumnText(const RewriteRule& rule, int column);

// "Last", "Return", "Round", "Continue"; empty for any other flag.
std::string_view RewriteFlagText(int flag);
inline constexpr int kRewriteFlagCount = 4;
