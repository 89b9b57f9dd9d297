#include "features/monitor/view/CHostMonitorDlg.h"

#include "controls/CRuleListView.h"
#include "features/monitor/HostMonitorEvents.h"
#include "features/monitor/HostMonitorRequests.h"
#include "features/monitor/view/CHostDetailDlg.h"
#include "features/monitor/view/MonitorTable.h"
#include "messaging/EventKinds.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>
#include "controls/MoxTr.h"

namespace {

QString StartText()
{
    return MoxTr::tr("开始监控");
}
QString StopText()
{
    return MoxTr::tr("停止监控");
}

bool SessionOpen()
{
    const CMoxCacheInstance* instance = CMoxInstanceManager::GetInstanceManager()->GetInstance();
    return instance && instance->Connected();
}

}  // namespace

CHostMonitorDlg::CHostMonitorDlg(QWidget* parent) : CMoxContentView(parent)
{
    timer_ = new QTimer(this);
    timer_->setInterval(CMoxInstanceManager::GetInstanceManager()->Options().HostMonitorSeconds() * 1000);
    connect(timer_, &QTimer::timeout, this, &CHostMonitorDlg::OnTick);

    button_ = new QPushButton(StartText(), this);
    connect(button_, &QPushButton::clicked, this, [this] { IsMonitoring() ? StopMonitoring() : StartMonitoring(); });
    model_ = new CMoxHostMonitorListModel(hosts_, HostMonitorColumns(), this);
    list_ = MakeMonitorTable(model_, HostMonitorColumns(), this);
    list_->setAccessibleName(MoxTr::tr("域名监控列表"));
    connect(list_, &CRuleListView::RowActivated, this, &CHostMonitorDlg::OpenDetail);

    auto* commands = new QHBoxLayout;
    commands->addStretch();
    commands->addWidget(button_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(commands);
    layout->addWidget(list_, 1);
}

CHostMonitorDlg::~CHostMonitorDlg() = default;

CHostDetailDlg* CHostMonitorDlg::DetailDialog() const
{
    return detail_;
}

bool CHostMonitorDlg::IsMonitoring() const
{
    return timer_->isActive();
}

void CHostMonitorDlg::StartMonitoring()
{
    timer_->start();
    button_->setText(StopText());
    // Rows younger than one period are still current: the next tick brings the next sample.
    const bool fresh = model_->rowCount() > 0 && MonitorTickNow() - lastSent_ < static_cast<std::uint64_t>(timer_->interval());
    if (!fresh)
        OnTick();
}

void CHostMonitorDlg::StopMonitoring()
{
    timer_->stop();
    button_->setText(StartText());
}

// One poll at a time: the next goes out on the tick after the last one's reply, whatever it said;
// a poll without a reply for the stale limit is given up, so that a lost reply stops nothing.
void CHostMonitorDlg::OnTick()
{
    if (!SessionOpen() || (replies_.IsBusy() && MonitorTickNow() - lastSent_ <= staleMs_))
        return;
    poll_.Stop();
    replies_.Reset();
    if (replies_.Send([this] {
            poll_ = MonitorManager_ProxyListStoppable();
            return poll_.IsSent();
        }) != 0)
        lastSent_ = MonitorTickNow();
}

// A poll of the session left gets no reply here.
void CHostMonitorDlg::OnLoginStarted()
{
    replies_.EndOlderSessions();
}

// Another server's hosts are not this one's: its rows go. A new session on the same server keeps
// them, so the interval arithmetic continues.
void CHostMonitorDlg::OnServerChanged(const ServerPlatform&)
{
    const CMoxCacheInstance* instance = CMoxInstanceManager::GetInstanceManager()->GetInstance();
    const std::string server = instance ? instance->Host() : std::string();
    if (server == server_)
        return;
    server_ = server;
    if (detail_)
        detail_->close();
    hosts_.Clear();
    model_->Emptied();
}

void CHostMonitorDlg::OnRecordHandedOver(int kind, int status, CMoxEventParam* record, unsigned long requestNumber)
{
    if (kind == eMoxCacheEvent_UpstreamList) {
        if (detail_)
            detail_->OnUpstreamList(status, dynamic_cast<CMoxProxyUrlEventParam*>(record), requestNumber);
        return;
    }
    if (kind != eMoxCacheEvent_ProxyHostList)
        return;
    // The poll under way answered, the next may go.
    replies_.Take(requestNumber);
    // An older sample after a newer one would make one interval of the whole period's totals.
    if (!replies_.TakeNewer(requestNumber))
        return;
    const auto* reply = dynamic_cast<CMoxProxyUrlListEventParam*>(record);
    if (status != eMoxEventStatus_Ok || !reply)
        return;
    model_->Refresh(hosts_.Update(reply->items, MonitorTickNow()));
}

void CHostMonitorDlg::OpenDetail(int row)
{
    if (row < 0 || row >= model_->rowCount())
        return;
    if (detail_)
        detail_->close();
    detail_ = new CHostDetailDlg(model_->EntryAt(row).last, this);
    detail_->setAttribute(Qt::WA_DeleteOnClose);
    detail_->show();
}

// The window system's own shows and hides (minimising) leave monitoring as it is; only the main
// window choosing or leaving this view starts or stops it.
void CHostMonitorDlg::showEvent(QShowEvent* event)
{
    CMoxContentView::showEvent(event);
    if (!event->spontaneous())
        StartMonitoring();
}

void CHostMonitorDlg::hideEvent(QHideEvent* event)
{
    CMoxContentView::hideEvent(event);
    if (!event->spontaneous())
        StopMonitoring();
}
