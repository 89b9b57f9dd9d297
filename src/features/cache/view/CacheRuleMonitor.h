#pragma once

#include <string>

// The server's live request page for a cache rule's pattern, for the current session; empty when
// no server is connected.
std::string CacheRuleMonitorAddress(const std::string& pattern, int rules, int icase);
