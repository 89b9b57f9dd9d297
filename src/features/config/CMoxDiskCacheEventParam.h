#pragma once

#include "features/config/DiskCacheEntry.h"
#include "messaging/CMoxEventParam.h"

#include <vector>

// The areas a list or query reply gave, or for a set the area that was sent.
class CMoxDiskCacheEventParam : public CMoxEventParam {
public:
    std::vector<DiskCacheEntry> items;
    DiskCacheEntry sent;
    int errorNo = 0;
};
