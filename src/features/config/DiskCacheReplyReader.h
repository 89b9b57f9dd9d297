#pragma once

#include "features/config/DiskCacheEntry.h"

#include <json/value.h>

#include <vector>

// The areas of an accepted list or query reply, in reply order. False when the reply is malformed.
bool ReadDiskCacheList(const Json::Value& root, std::vector<DiskCacheEntry>& entries);
