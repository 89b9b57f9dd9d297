#pragma once

#include "shell/view/CMoxContentView.h"

class CFCachePage;
class CMoxTabCtrl;
class QStackedWidget;

// The cache-rules manager: a tab bar over the page-cache, refuse-cache and session-cache rules,
// and two pages without a tab, cache cleaning and help. Showing a list page asks the server for
// that page's list.
class CFCacheManagerDlg : public CMoxContentView {
    Q_OBJECT
public:
    enum Page { ePageCache, eRefuseCache, eSessionCache, eCleaning, eHelp };

    explicit CFCacheManagerDlg(QWidget* parent = nullptr);

    CMoxTabCtrl* Tabs() const { return tabs_; }
    CFCachePage* PageCache() const { return pageCache_; }
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
};
