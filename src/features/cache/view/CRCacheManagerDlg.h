#pragma once

#include "controls/CRulePageT.h"
#include "features/cache/RCacheRule.h"
#include "features/cache/view/CAddRCacheDlg.h"

// The refuse-cache rules: the second page of the cache-rules manager.
class CRCacheManagerDlg : public CRulePageT<RCacheRule, &RCacheRule::Wid, CAddRCacheDlg> {
    Q_OBJECT
public:
    explicit CRCacheManagerDlg(QWidget* parent = nullptr);
};
