#pragma once

#include "protocol/CMoxStoppableRequest.h"

#include <string>

// The host monitor requests. Each returns true when the request was handed to the transport.
bool MonitorManager_ProxyList();
// The same, for a poller that gives up a poll whose reply does not come.
nsMoxHttp::CMoxStoppableRequest MonitorManager_ProxyListStoppable();
bool MonitorManager_UpstreamList(const std::string& proxyId);
