#include "features/config/view/CDnsBalanceDlg.h"

#include "controls/CommandKeys.h"
#include "controls/CViewEventRelay.h"
#include "controls/IUserInteraction.h"
#include "features/config/DnsEvents.h"
#include "features/config/DnsRequests.h"
#include "features/config/view/CDnsBalanceHostDlg.h"
#include "messaging/EventKinds.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include "controls/MoxTr.h"
#include "shell/MoxText.h"

namespace {

struct ModeShape {
    const char* name;
    const char* explanation;
};

const ModeShape kModes[] = {
    {MoxText::Noop("域名哈希"), MoxText::Noop("域名哈希：根据域名 HASH 值定向到集群内其中一台缓存上，相同的域名将始终定向到同一台缓存上。")},
    {MoxText::Noop("IP哈希"), MoxText::Noop("IP哈希：根据用户 IP 地址 HASH 值定向到集群内其中一台缓存上，相同的用户将始终定向到同一台缓存上，默认选项。")},
    {MoxText::Noop("轮询访问"), MoxText::Noop("轮询访问：逐一轮询访问集群内所有缓存服务器，建立对等访问机会。")},
    {MoxText::Noop("随机访问"), MoxText::Noop("随机访问：随机访问集群内其中一台缓存服务器，建立对等访问机会。")},
};

enum HostColumn { eIp, eState, eCount, eDownTime, eNote };

QString HostState(const DnsBalanceHost& host)
{
    if (host.Enable == 0)
        return MoxTr::tr("已暂停");
    return host.IsDown != 0 ? MoxTr::tr("已宕机") : MoxTr::tr("正常");
}

}  // namespace

CDnsBalanceDlg::CDnsBalanceDlg(QWidget* parent) : QWidget(parent)
{
    auto* modeBox = new QGridLayout;
    modeBox->addWidget(new QLabel(MoxTr::tr("负载均衡："), this), 0, 0, Qt::AlignTop);
    auto* group = new QButtonGroup(this);
    for (int mode = 0; mode < kModeCount; ++mode) {
        auto* choice = new QRadioButton(MoxTr::tr(kModes[mode].name), this);
        choice->setToolTip(MoxTr::tr(kModes[mode].explanation));
        group->addButton(choice, mode);
        modes_[static_cast<std::size_t>(mode)] = choice;
        modeBox->addWidget(choice, mode, 1);
        auto* explanation = new QLabel(MoxTr::tr(kModes[mode].explanation), this);
        explanation->setBuddy(choice);
        modeBox->addWidget(explanation, mode, 2);
    }
    modeBox->setColumnStretch(2, 1);
    connect(group, &QButtonGroup::idClicked, this, &CDnsBalanceDlg::ChooseMode);

    auto* notes = new QLabel(MoxTr::tr(
        "集群说明：\n"
        "1、集群机制：通过域名劫持，将用户访问分流到不同的集群主机上来实现。支持 4 种负载均衡模式。\n"
        "2、集群生效：一旦集群中加入了集群主机，集群模式将立即生效。另外本机也允许加入到集群中。\n"
        "3、宕机检测：某集群主机宕机后，流量将切换到其它主机。如集群主机全部宕机，将不再劫持，流量将直接回源。"),
                             this);
    notes->setWordWrap(true);

    hosts_ = new QTreeWidget(this);
    hosts_->setRootIsDecorated(false);
    hosts_->setSelectionMode(QAbstractItemView::SingleSelection);
    hosts_->setHeaderLabels({MoxTr::tr("集群主机 IP"), MoxTr::tr("状态"), MoxTr::tr("解析量"),
                             MoxTr::tr("宕机时间"), MoxTr::tr("备注")});
    hosts_->header()->resizeSection(eIp, 160);
    hosts_->setAccessibleName(MoxTr::tr("集群主机列表"));
    connect(hosts_, &QTreeWidget::itemSelectionChanged, this, &CDnsBalanceDlg::UpdateCommands);
    connect(hosts_, &QTreeWidget::itemDoubleClicked, this, [this] { OpenEditor(true); });

    auto* commands = new QHBoxLayout;
    commands->addStretch();
    const char* const texts[] = {MoxText::Noop("添加"), MoxText::Noop("修改"), MoxText::Noop("删除"), MoxText::Noop("刷新")};
    for (int command = eAdd; command <= eRefresh; ++command) {
        commands_[command] = new QPushButton(MoxTr::tr(texts[command]), this);
        commands->addWidget(commands_[command]);
    }
    connect(commands_[eAdd], &QPushButton::clicked, this, [this] { OpenEditor(false); });
    connect(commands_[eModify], &QPushButton::clicked, this, [this] { OpenEditor(true); });
    connect(commands_[eDelete], &QPushButton::clicked, this, &CDnsBalanceDlg::DeleteSelected);
    connect(commands_[eRefresh], &QPushButton::clicked, this, &CDnsBalanceDlg::Refresh);
    BindListKeys(this, commands_[eRefresh], commands_[eDelete]);
    // Enter in the list opens the selected host as a double click does.
    for (const Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter})
        PressOnKey(hosts_, QKeySequence(enter), commands_[eModify]);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(modeBox);
    layout->addWidget(notes);
    layout->addWidget(hosts_, 1);
    layout->addLayout(commands);
    ShowMode();
    UpdateCommands();
    relay_ = std::make_unique<CViewEventRelay>(
        this,
        std::set<int>{eMoxCacheEvent_DnsSystemRead, eMoxCacheEvent_DnsSystemSet, eMoxCacheEvent_DnsBalanceList,
                      eMoxCacheEvent_DnsBalanceAdd, eMoxCacheEvent_DnsBalanceModify, eMoxCacheEvent_DnsBalanceDelete},
        [this](int kind, int status, std::uintptr_t record, unsigned long requestNumber) {
            // The settings are the whole DNS page's read, the newest shown; the hosts come only in
            // this view's own replies.
            if (kind == eMoxCacheEvent_DnsSystemRead ? !settingsReads_.TakeNewer(requestNumber)
                                                     : !busy_.Take(requestNumber))
                return;
            // Whatever became of a mode change, the server's settings say which mode holds.
            if (kind == eMoxCacheEvent_DnsSystemSet)
                DnsManager_SystemList();
            else
                EventShown(kind, status, record);
            UpdateCommands();
        });
    relay_->EndBusyOnLogin(&busy_, [this] { UpdateCommands(); });
}

CDnsBalanceDlg::~CDnsBalanceDlg()
{
    relay_.reset();
}

void CDnsBalanceDlg::ShowMode()
{
    if (mode_ >= 0 && mode_ < kModeCount)
        modes_[static_cast<std::size_t>(mode_)]->setChecked(true);
}

void CDnsBalanceDlg::ChooseMode(int mode)
{
    if (mode == mode_)
        return;
    const QString question =
        MoxTr::tr("您确定要将负载均衡模式修改为“%1”吗？").arg(MoxTr::tr(kModes[mode].name));
    if (IUserInteraction::Current().Confirm(this, MoxTr::tr("提示"), question) &&
        busy_.Send([mode] { return DnsManager_SetBalanceType(mode); }) != 0) {
        mode_ = mode;
        return;
    }
    ShowMode();
}

int CDnsBalanceDlg::SelectedHost() const
{
    const QList<QTreeWidgetItem*> selected = hosts_->selectedItems();
    return selected.isEmpty() ? -1 : hosts_->indexOfTopLevelItem(selected.front());
}

void CDnsBalanceDlg::UpdateCommands()
{
    const bool selected = SelectedHost() >= 0;
    const bool idle = !busy_.IsBusy();
    commands_[eAdd]->setEnabled(idle);
    commands_[eModify]->setEnabled(selected && idle);
    commands_[eDelete]->setEnabled(selected && idle);
    commands_[eRefresh]->setEnabled(idle);
}

void CDnsBalanceDlg::ShowHosts()
{
    // A refresh brings the same hosts back: the keyboard stays on its row.
    const int selected = SelectedHost();
    hosts_->clear();
    for (const DnsBalanceHost& host : hostRecords_) {
        auto* item = new QTreeWidgetItem({QString::fromStdString(host.IP), HostState(host), QString::number(host.THC),
                                          QString::fromStdString(host.DownTime), QString::fromStdString(host.Note)});
        item->setTextAlignment(eCount, Qt::AlignRight | Qt::AlignVCenter);
        item->setToolTip(eDownTime, MoxTr::tr("宕机时将显示 Morvix 宕机时间"));
        if (host.Enable == 0)
            item->setToolTip(eState, MoxTr::tr("集群主机已暂停"));
        hosts_->addTopLevelItem(item);
    }
    if (QTreeWidgetItem* kept = hosts_->topLevelItem(selected))
        hosts_->setCurrentItem(kept);
    UpdateCommands();
}

void CDnsBalanceDlg::OpenEditor(bool modify)
{
    const int selected = SelectedHost();
    if (editor_ || (modify && selected < 0))
        return;
    editor_ = new CDnsBalanceHostDlg(modify ? &hostRecords_[static_cast<std::size_t>(selected)] : nullptr, this);
    editor_->setAttribute(Qt::WA_DeleteOnClose);
    connect(editor_, &QDialog::accepted, this, [this, modify] {
        const DnsBalanceHost edited = editor_->Edited();
        Send([&] { return modify ? DnsManager_BalanceModify(edited) : DnsManager_BalanceAdd(edited); });
    });
    editor_->open();
}

void CDnsBalanceDlg::DeleteSelected()
{
    const int selected = SelectedHost();
    if (selected < 0 ||
        !IUserInteraction::Current().Confirm(this, MoxTr::tr("删除"), MoxTr::tr("您确定要删除此负载主机吗？")))
        return;
    const std::string address = hostRecords_[static_cast<std::size_t>(selected)].IP;
    Send([&] { return DnsManager_BalanceDel(address); });
}

void CDnsBalanceDlg::EventShown(int kind, int status, std::uintptr_t value)
{
    CMoxEventParam* record = CMoxEventParam::FromParam(value);
    if (kind == eMoxCacheEvent_DnsSystemRead) {
        const auto* system = dynamic_cast<const CMoxDnsSystemEventParam*>(record);
        if (status == eMoxEventStatus_Ok && system) {
            mode_ = system->options.DNSRedirectBalanceType;
            ShowMode();
        }
        return;
    }
    if (status != eMoxEventStatus_Ok)
        return;
    if (kind == eMoxCacheEvent_DnsBalanceList) {
        if (const auto* list = dynamic_cast<const CMoxDnsRedirectBalanceListEventParam*>(record)) {
            hostRecords_ = list->items;
            ShowHosts();
        }
        return;
    }
    // An added, changed or deleted host: the list as the server now has it.
    Refresh();
}

void CDnsBalanceDlg::Refresh()
{
    Send(DnsManager_BalanceList);
}

void CDnsBalanceDlg::Send(const std::function<bool()>& send)
{
    busy_.Send(send);
    UpdateCommands();
}
