#pragma once

#include "shell/view/CMoxContentView.h"

class CClearCacheDlg;
class CFCachePage;
class CMoxSCacheDlg;
class CMoxTabCtrl;
class CRCacheManagerDlg;
class CRuleListPage;
class QStackedWidget;

// The cache-rules manager: a tab bar over the page-cache, refuse-cache and session-cache rules,
// cache cleaning and help. Showing a list page asks the server for that page's list. The page-cache
// list is built with the view, the other pages later.
class CFCacheManagerDlg : public CMoxContentView {
    Q_OBJECT
public:
    enum Page { ePageCache, eRefuseCache, eSessionCache, eCleaning, eHelp };

    explicit CFCacheManagerDlg(QWidget* parent = nullptr);

    bool BuildLaterParts() override;

    CMoxTabCtrl* Tabs() const { return tabs_; }
    CFCachePage* PageCache() const { return pageCache_; }
    // These build the pages left for later when they are not built yet.
    CRCacheManagerDlg* RefuseCache();
    CMoxSCacheDlg* SessionCache();
    CClearCacheDlg* Cleaning();
    Page CurrentPage() const;
    void ShowPage(Page page);

    void OnServerChanged(const ServerPlatform& platform) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void AddListPage(CRuleListPage* page, Page index);
    void PageShown();

    CMoxTabCtrl* tabs_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    CFCachePage* pageCache_ = nullptr;
    CRCacheManagerDlg* refuseCache_ = nullptr;
    CMoxSCacheDlg* sessionCache_ = nullptr;
    CClearCacheDlg* cleaning_ = nullptr;
    bool helpShown_ = false;
};
