#pragma once

#include "features/monitor/ProxyHost.h"
#include "features/monitor/UpstreamHost.h"
#include "protocol/ResultRecords.h"

class CMoxProxyUrlListEventParam : public CMoxListEventParamT<ProxyHost> {};
// The origins of one host: a list, under the name the event table gives it.
class CMoxProxyUrlEventParam : public CMoxListEventParamT<UpstreamHost> {};
