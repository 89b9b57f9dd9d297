#pragma once

#include "features/access/RewriteRule.h"
#include "protocol/ResultRecords.h"

class CMoxRewriteListEventParam : public CMoxListEventParamT<RewriteRule> {};
// Add, modify, delete and the moves.
class CMoxRewriteEventParam : public CMoxItemEventParamT<RewriteRule> {};
