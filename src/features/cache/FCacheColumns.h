#pragma once

#include "features/cache/FCacheRule.h"

#include <string>

// The page-cache list's columns: position, pattern, match kind with case, period, Set-Cookie,
// open to, disk cache, note.
inline constexpr int kFCacheColumnCount = 8;

std::string FCacheColumnText(const FCacheRule& rule, int column);
