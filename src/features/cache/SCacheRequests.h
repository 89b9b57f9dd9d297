#pragma once

#include "features/cache/SCacheRule.h"
#include "protocol/RequestValues.h"

#include <string>

// The session-cache requests. Each returns true when the request was handed to the transport.
bool CacheManager_SCacheList();
bool CacheManager_SCacheAdd(const SCacheRule& rule);
bool CacheManager_SCacheModify(const SCacheRule& rule);
bool CacheManager_SCacheDel(const std::string& wid);
bool CacheManager_SCacheUp(const std::string& wid);
bool CacheManager_SCacheDown(const std::string& wid);

// A rule as request values and back: the callback rebuilds the rule it sent from its values.
nsMoxHttp::RequestValues SCacheRuleValues(const SCacheRule& rule);
SCacheRule SCacheRuleFromValues(const nsMoxHttp::RequestValues& values);
