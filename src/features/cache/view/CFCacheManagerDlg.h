#pragma once

#include "shell/view/CMoxContentView.h"

class CClearCacheDlg;
class CFCachePage;
class CMoxSCacheDlg;
class CMoxTabCtrl;
class CRCacheManagerDlg;
class QStackedWidget;

// The cache-rules manager: a tab bar over the page-cache, refuse-cache and session-cache rules,
// cache cleaning and help. Showing a list page asks the server for that page's list.
class CFCacheManagerDlg : public CMoxContentView {
    Q_OBJECT
public:
    enum Page { ePageCache, eRefuseCache, eSessionCache, eCleaning, eHelp };

    explicit CFCacheManagerDlg(QWidget* parent = nullptr);

    CMoxTabCtrl* Tabs() const { return tabs_; }
    CFCachePage* PageCache() const { return pageCache_; }
    CRCacheManagerDlg* RefuseCache() const { return refuseCache_; }
    CMoxSCacheDlg* SessionCache() const { return sessionCache_; }
    CClearCacheDlg* Cleaning() const { return cleaning_; }
    Page CurrentPage() const;
    void ShowPage(Page page);

    void OnServerChanged(const ServerPlatform& platform) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void PageShown();

    CMoxTabCtrl* tabs_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    CFCachePage* pageCache_ = nullptr;
    CRCacheManagerDlg* refuseCache_ = nullptr;
    CMoxSCacheDlg* sessionCache_ = nullptr;
    CClearCacheDlg* cleaning_ = nullptr;
    bool helpShown_ = false;
};
