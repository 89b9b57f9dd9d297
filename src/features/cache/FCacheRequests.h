#pragma once

#include "features/cache/FCacheRule.h"
#include "protocol/RequestValues.h"

#include <string>

// The page-cache requests. Each returns true when the request was handed to the transport.
bool CacheManager_FCacheList();
bool CacheManager_FCacheAdd(const FCacheRule& rule);
bool CacheManager_FCacheModify(const FCacheRule& rule);
bool CacheManager_FCacheDel(const std::string& wid);
bool CacheManager_FCacheUp(const std::string& wid);
bool CacheManager_FCacheDown(const std::string& wid);

// A rule as request values and back: the callback rebuilds the rule it sent from its values.
nsMoxHttp::RequestValues FCacheRuleValues(const FCacheRule& rule);
FCacheRule FCacheRuleFromValues(const nsMoxHttp::RequestValues& values);
