#pragma once

#include "features/cache/RCacheRule.h"
#include "protocol/RequestValues.h"

#include <string>

// The refuse-cache requests. Each returns true when the request was handed to the transport.
bool CacheManager_RCacheList();
bool CacheManager_RCacheAdd(const RCacheRule& rule);
bool CacheManager_RCacheModify(const RCacheRule& rule);
bool CacheManager_RCacheDel(const std::string& wid);
bool CacheManager_RCacheUp(const std::string& wid);
bool CacheManager_RCacheDown(const std::string& wid);

// A rule as request values and back: the callback rebuilds the rule it sent from its values.
nsMoxHttp::RequestValues RCacheRuleValues(const RCacheRule& rule);
RCacheRule RCacheRuleFromValues(const nsMoxHttp::RequestValues& values);
