#pragma once

#include "controls/CRulePageT.h"
#include "features/access/RewriteRule.h"
#include "features/access/view/CRewriteUrlAddDlg.h"
#include "shell/view/CMoxContentView.h"

class CMoxTabCtrl;

// The rewrite rules as a list page.
class CRewritePage : public CRulePageT<RewriteRule, &RewriteRule::RewriteID, CRewriteUrlAddDlg> {
    Q_OBJECT
public:
    explicit CRewritePage(QWidget* parent = nullptr);
};

// The "转向管理" view: the rewrite rules, asked for each time the view is shown.
class CRewriteManagerDlg : public CMoxContentView {
    Q_OBJECT
public:
    explicit CRewriteManagerDlg(QWidget* parent = nullptr);

    CRewritePage* Page() const { return page_; }
    void OnServerChanged(const ServerPlatform& platform) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    CMoxTabCtrl* tabs_ = nullptr;
    CRewritePage* page_ = nullptr;
};
