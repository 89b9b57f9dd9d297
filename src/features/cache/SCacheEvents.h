#pragma once

#include "features/cache/SCacheRule.h"
#include "protocol/ResultRecords.h"

class CMoxSCacheListEventParam : public CMoxListEventParamT<SCacheRule> {};
// Add, modify, delete and the moves.
class CMoxSCacheEventParam : public CMoxItemEventParamT<SCacheRule> {};
