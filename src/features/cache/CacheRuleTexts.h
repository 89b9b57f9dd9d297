#pragma once

#include <string>
#include <string_view>

// The words the rule lists and forms show for the coded fields of cache rules. A code outside
// the known range shows as an empty text.
std::string_view MatchKindText(int rules);   // 0 wildcard, 1 regular expression, 2 exact match
std::string_view IgnoreText(int flag);        // case and Set-Cookie switches
std::string_view AllowText(int flag);         // disk-cache permission
std::string_view ExpireUnitText(int unit);    // 0 days, 1 hours, 2 minutes, 3 seconds
std::string_view OpenLimitText(int olimit);   // 0 all users, 1 logged-in users, 2 guests
std::string_view CacheLocationText(int location);  // 0 both caches, 1 only the disk cache
// "通配符(忽略大小写)": the match kind with the case switch, as the lists show them.
std::string MatchColumnText(int rules, int icase);

inline constexpr int kMatchKindCount = 3;
inline constexpr int kExpireUnitCount = 4;
inline constexpr int kOpenLimitCount = 3;
inline constexpr int kCacheLocationCount = 2;
