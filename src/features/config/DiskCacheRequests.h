#pragma once

#include "features/config/DiskCacheEntry.h"
#include "protocol/RequestValues.h"

// The disk-cache requests. Each returns true when the request was handed to the transport.
bool DiskCacheManager_List();
bool DiskCacheManager_Set(const DiskCacheEntry& entry);
bool DiskCacheManager_Query(int diskNo);

nsMoxHttp::RequestValues DiskCacheEntryValues(const DiskCacheEntry& entry);
DiskCacheEntry DiskCacheEntryFromValues(const nsMoxHttp::RequestValues& values);
