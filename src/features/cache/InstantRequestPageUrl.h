#pragma once

#include <cstdint>
#include <string>

// The server's live request page for one rule, opened in the browser. The time makes every
// address new, so that the browser never shows a page from its own cache.
std::string InstantRequestPageUrl(const std::string& host, const std::string& sessionId, const std::string& pattern,
                                  int rules, int icase, std::int64_t nowSeconds);
