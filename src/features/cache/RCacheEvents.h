#pragma once

#include "features/cache/RCacheRule.h"
#include "protocol/ResultRecords.h"

class CMoxRCacheListEventParam : public CMoxListEventParamT<RCacheRule> {};
// Add, modify, delete and the moves.
class CMoxRCacheEventParam : public CMoxItemEventParamT<RCacheRule> {};
