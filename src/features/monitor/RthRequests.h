#pragma once

#include "features/monitor/RthRecord.h"
#include "protocol/RequestValues.h"

#include <string>

// The monitoring-record requests. Each returns true when the request was handed to the transport.
bool MonitorManager_RthList();
bool MonitorManager_RthAdd(const RthRecord& record);
bool MonitorManager_RthDel(const std::string& requestUrl);

// A record as request values and back: the callback rebuilds the record it sent from its values.
nsMoxHttp::RequestValues RthRecordValues(const RthRecord& record);
RthRecord RthRecordFromValues(const nsMoxHttp::RequestValues& values);
