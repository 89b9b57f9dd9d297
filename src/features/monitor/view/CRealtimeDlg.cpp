#include "features/monitor/view/CRealtimeDlg.h"

#include "controls/CMoxTabCtrl.h"
#include "features/monitor/view/CRTHListDlg.h"
#include "features/monitor/view/CRthListAddDlg.h"
#include "features/monitor/view/CRthRequestDlg.h"
#include "features/monitor/view/CRealtimeRunParamDlg.h"
#include "features/monitor/view/CRealtimeStatWnd.h"
#include "features/monitor/view/CRunParamWnd.h"
#include "messaging/EventKinds.h"

#include <QStackedWidget>
#include <QVBoxLayout>
#include "controls/MoxTr.h"

CRealtimeDlg::CRealtimeDlg(QWidget* parent) : CMoxContentView(parent)
{
    tabs_ = new CMoxTabCtrl(this);
    for (const QString& title : {MoxTr::tr("实时监控"), MoxTr::tr("系统资源监控"), MoxTr::tr("统计报告"),
                                 MoxTr::tr("实时访问监控")})
        tabs_->addTab(title);
    pages_ = new QStackedWidget(this);
    figures_ = new CRealtimeRunParamDlg(pages_);
    pages_->addWidget(figures_);
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        BuildLaterParts();
        pages_->setCurrentIndex(index);
        // The report shows what the server counts now.
        if (index == eTab_Report)
            report_->RequestReport();
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(0);
    layout->addWidget(tabs_);
    layout->addWidget(pages_, 1);
}

bool CRealtimeDlg::BuildLaterParts()
{
    if (counters_)
        return false;
    counters_ = new CRunParamWnd(pages_);
    report_ = new CRealtimeStatWnd(pages_);
    liveRequests_ = new CRTHListDlg(pages_);
    for (QWidget* page : std::initializer_list<QWidget*>{counters_, report_, liveRequests_})
        pages_->addWidget(page);
    return true;
}

CRunParamWnd* CRealtimeDlg::Counters()
{
    BuildLaterParts();
    return counters_;
}

CRealtimeStatWnd* CRealtimeDlg::Report()
{
    BuildLaterParts();
    return report_;
}

CRTHListDlg* CRealtimeDlg::LiveRequests()
{
    BuildLaterParts();
    return liveRequests_;
}

void CRealtimeDlg::OnServerChanged(const ServerPlatform&)
{
    figures_->Reset();
    if (liveRequests_)
        liveRequests_->Forget();
}

void CRealtimeDlg::OnRealtimeRead(int status, const RealtimeInfo& info)
{
    if (status != eMoxEventStatus_Ok)
        return;
    figures_->ShowRealtime(info);
    if (counters_)
        counters_->ShowRealtime(info);
}
