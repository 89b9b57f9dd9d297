#pragma once

#include "shell/view/CMoxContentView.h"

class CMoxTabCtrl;
class CRTHListDlg;
class CRealtimeRunParamDlg;
class CRealtimeStatWnd;
class CRunParamWnd;
class QStackedWidget;

// The "流量监控" view: the figures and graphs, the counter table, the traffic report and the
// live request list, one tab each. The figures are built with the view, the other tabs later.
class CRealtimeDlg : public CMoxContentView {
    Q_OBJECT
public:
    enum Tab { eTab_Figures, eTab_Counters, eTab_Report, eTab_LiveRequests };

    explicit CRealtimeDlg(QWidget* parent = nullptr);

    bool BuildLaterParts() override;

    void OnServerChanged(const ServerPlatform& platform) override;
    void OnRealtimeRead(int status, const RealtimeInfo& info) override;

    CMoxTabCtrl* Tabs() const { return tabs_; }
    CRealtimeRunParamDlg* Figures() const { return figures_; }
    // These build the tabs left for later when they are not built yet.
    CRunParamWnd* Counters();
    CRealtimeStatWnd* Report();
    CRTHListDlg* LiveRequests();

private:
    CMoxTabCtrl* tabs_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    CRealtimeRunParamDlg* figures_ = nullptr;
    CRunParamWnd* counters_ = nullptr;
    CRealtimeStatWnd* report_ = nullptr;
    CRTHListDlg* liveRequests_ = nullptr;
};
