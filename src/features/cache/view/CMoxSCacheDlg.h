#pragma once

#include "controls/CRulePageT.h"
#include "features/cache/SCacheRule.h"
#include "features/cache/view/AddSCacheDlg.h"

// The session-cache rules: the third page of the cache-rules manager.
class CMoxSCacheDlg : public CRulePageT<SCacheRule, &SCacheRule::Wid, AddSCacheDlg> {
    Q_OBJECT
public:
    explicit CMoxSCacheDlg(QWidget* parent = nullptr);
};
