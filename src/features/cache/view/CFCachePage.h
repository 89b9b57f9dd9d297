#pragma once

#include "controls/CRulePageT.h"
#include "features/cache/FCacheRule.h"
#include "features/cache/view/CAddFCacheDlg.h"

// The page-cache rules: the first page of the cache-rules manager.
class CFCachePage : public CRulePageT<FCacheRule, &FCacheRule::Wid, CAddFCacheDlg> {
    Q_OBJECT
public:
    explicit CFCachePage(QWidget* parent = nullptr);
};
