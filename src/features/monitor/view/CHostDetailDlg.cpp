#include "features/monitor/view/CHostDetailDlg.h"

#include "features/monitor/HostMonitorEvents.h"
#include "features/monitor/HostMonitorForms.h"
#include "features/monitor/HostMonitorRequests.h"
#include "features/monitor/view/MonitorTable.h"
#include "messaging/EventKinds.h"
#include "protocol/SentRequestNumber.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <QVBoxLayout>
#include "controls/MoxTr.h"

namespace {

QLineEdit* ReadOnlyLine(const std::string& text, QWidget* parent)
{
    auto* edit = new QLineEdit(QString::fromStdString(text), parent);
    edit->setReadOnly(true);
    return edit;
}

}  // namespace

CHostDetailDlg::CHostDetailDlg(const ProxyHost& host, QWidget* parent) : QDialog(parent), host_(host)
{
    setWindowTitle(MoxTr::tr("查看域名详细信息"));
    hostName_ = ReadOnlyLine(host.Host, this);
    balance_ = ReadOnlyLine(BalancePolicyText(host.Balance), this);
    note_ = new QPlainTextEdit(QString::fromStdString(host.Note), this);
    note_->setReadOnly(true);
    note_->setFixedHeight(fontMetrics().height() * 3 + 12);
    model_ = new CMoxUpMonitorListModel(upstreams_, UpstreamMonitorColumns(), this);
    list_ = MakeMonitorTable(model_, UpstreamMonitorColumns(), this);

    auto* form = new QFormLayout;
    form->addRow(MoxTr::tr("主机名(主机头)："), hostName_);
    form->addRow(MoxTr::tr("源站负载均衡策略："), balance_);
    form->addRow(MoxTr::tr("备注说明："), note_);
    auto* listLabel = new QLabel(MoxTr::tr("源站列表："), this);
    listLabel->setBuddy(list_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(listLabel);
    layout->addWidget(list_, 1);
    resize(900, 420);

    timer_ = new QTimer(this);
    timer_->setInterval(kPollMs);
    connect(timer_, &QTimer::timeout, this, &CHostDetailDlg::OnTick);
    polling_.MarkDue();
}

CHostDetailDlg::~CHostDetailDlg() = default;

void CHostDetailDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!timer_->isActive()) {
        timer_->start();
        OnTick();
    }
}

void CHostDetailDlg::closeEvent(QCloseEvent* event)
{
    timer_->stop();
    QDialog::closeEvent(event);
}

void CHostDetailDlg::OnTick()
{
    if (!polling_.IsDue())
        return;
    const unsigned long requestNumber =
        nsMoxHttp::SentRequestNumber([this] { return MonitorManager_UpstreamList(host_.ProxyID); });
    if (requestNumber == 0)
        return;
    replies_.Sent(requestNumber);
    polling_.MarkSent();
}

void CHostDetailDlg::OnUpstreamList(int status, const CMoxProxyUrlEventParam* record, unsigned long requestNumber)
{
    if (!replies_.TakeOwn(requestNumber))
        return;
    polling_.MarkDue();
    if (status != eMoxEventStatus_Ok || !record)
        return;
    model_->Refresh(upstreams_.Update(record->items, MonitorTickNow()));
}
