#pragma once

#include "features/cache/FCacheRule.h"
#include "protocol/ResultRecords.h"

class CMoxFCacheListEventParam : public CMoxListEventParamT<FCacheRule> {};
class CMoxFCacheAddEventParam : public CMoxItemEventParamT<FCacheRule> {};
class CMoxFCacheEventParam : public CMoxItemEventParamT<FCacheRule> {};
