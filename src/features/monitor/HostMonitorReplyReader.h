#pragma once

#include "features/monitor/ProxyHost.h"
#include "features/monitor/UpstreamHost.h"

#include <json/value.h>

#include <vector>

// The records of accepted host and origin list replies, in reply order. Only the identifier is
// required (the monitor keys its samples by it); every other key keeps its default when missing.
bool ReadProxyHostList(const Json::Value& root, std::vector<ProxyHost>& hosts);
bool ReadUpstreamHostList(const Json::Value& root, std::vector<UpstreamHost>& upstreams);
