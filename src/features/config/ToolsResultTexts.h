#pragma once

#include <string>
#include <string_view>

// What the tools window shows for an answer. Texts are UTF-8.
// The verdict of the cache test for a cache flag; empty for a flag the server does not define.
std::string CacheFlagText(int cacheFlag);
// The queried address, a line break, then its location or the no-record text when there is none.
std::string IpLookupText(std::string_view ip, std::string_view location);
