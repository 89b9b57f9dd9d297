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

CRealtimeDlg::CRealtimeDlg(QWidget* parent) : CMoxContentView(parent)
{
    tabs_ = new CMoxTabCtrl(this);
    pages_ = new QStackedWidget(this);
    figures_ = new CRealtimeRunParamDlg(pages_);
    counters_ = new CRunParamWnd(pages_);
    report_ = new CRealtimeStatWnd(pages_);
    liveRequests_ = new CRTHListDlg(pages_);
    const std::pair<QString, QWidget*> pages[] = {
        {QStringLiteral("实时监控"), figures_},
        {QStringLiteral("系统资源监控"), counters_},
        {QStringLiteral("统计报告"), report_},
        {QStringLiteral("实时访问监控"), liveRequests_},
    };
    for (const auto& [title, page] : pages) {
        tabs_->addTab(title);
        pages_->addWidget(page);
    }
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
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

void CRealtimeDlg::OnServerChanged(const ServerPlatform&)
{
    figures_->Reset();
    liveRequests_->Forget();
}

void CRealtimeDlg::OnRealtimeRead(int status, const RealtimeInfo& info)
{
    if (status != eMoxEventStatus_Ok)
        return;
    figures_->ShowRealtime(info);
    counters_->ShowRealtime(info);
}
