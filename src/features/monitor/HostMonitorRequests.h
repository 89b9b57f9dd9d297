#pragma once

#include <string>

// The host monitor requests. Each returns true when the request was handed to the transport.
bool MonitorManager_ProxyList();
bool MonitorManager_UpstreamList(const std::string& proxyId);
