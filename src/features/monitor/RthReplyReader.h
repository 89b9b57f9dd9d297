#pragma once

#include "features/monitor/RthRecord.h"

#include <json/value.h>

#include <vector>

// The records of an accepted monitoring-record list reply, in reply order. False when malformed:
// every key of every element is required.
bool ReadRthRecordList(const Json::Value& root, std::vector<RthRecord>& records);
