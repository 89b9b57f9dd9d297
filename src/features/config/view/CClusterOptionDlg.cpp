#include "features/config/view/CClusterOptionDlg.h"

#include "controls/CViewEventRelay.h"
#include "controls/CommandKeys.h"
#include "controls/FieldLabels.h"
#include "controls/IUserInteraction.h"
#include "features/config/CMoxClusterEventParam.h"
#include "features/config/ClusterRequests.h"
#include "features/config/ClusterSerial.h"
#include "messaging/EventKinds.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include "controls/MoxTr.h"
#include "shell/MoxText.h"

namespace {

constexpr int kMasterSerialCharacters = 63;
constexpr int kLowestPort = 1;
constexpr int kHighestPort = 65534;

const char* const kConnectionStates[] = {
    MoxText::Noop("本服务器当前角色不是集群从服务器"), MoxText::Noop("连接集群主服务器失败 (网络失败)"), MoxText::Noop("正在连接集群主服务器 ..."),
    MoxText::Noop("连接集群主服务器失败 (认证失败)"), MoxText::Noop("连接集群主服务器成功"),
};

QLineEdit* Field(int maxCharacters, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(maxCharacters);
    return edit;
}

QLabel* Caption(const char* text, QLineEdit* buddy, QWidget* parent)
{
    auto* label = new QLabel(MoxTr::tr(text), parent);
    FieldLabels::Tie(label, buddy);
    return label;
}

}  // namespace

CClusterOptionDlg::CClusterOptionDlg(QWidget* parent) : QWidget(parent)
{
    role_ = new QComboBox(this);
    role_->addItems({MoxTr::tr("不加入集群"), MoxTr::tr("集群主服务器(Master Server)"),
                     MoxTr::tr("集群从服务器(Slave Server)")});
    auto* roleLabel = new QLabel(MoxTr::tr("显示或重设本服务器集群角色："), this);
    roleLabel->setBuddy(role_);
    modify_ = new QPushButton(MoxTr::tr("修改当前集群配置"), this);

    auto* roleRow = new QHBoxLayout;
    roleRow->addWidget(roleLabel);
    roleRow->addWidget(role_);
    roleRow->addStretch();
    auto* commands = new QHBoxLayout;
    commands->addWidget(modify_);
    commands->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(roleRow);
    layout->addWidget(BuildMaster(), 1);
    layout->addWidget(BuildSlave(), 1);
    layout->addLayout(commands);

    connect(role_, &QComboBox::activated, this, &CClusterOptionDlg::RoleChosen);
    connect(modify_, &QPushButton::clicked, this, &CClusterOptionDlg::Modify);
    RoleChosen(0);
    relay_ = std::make_unique<CViewEventRelay>(
        this,
        std::set<int>{eMoxCacheEvent_ClusterConfigRead, eMoxCacheEvent_ClusterStatusRead,
                      eMoxCacheEvent_ClusterConfigSet},
        [this](int kind, int status, std::uintptr_t record) { EventShown(kind, status, record); });
    relay_->TakeOnlyAwaited(&busy_, [this] { UpdateCommands(); });
}

CClusterOptionDlg::~CClusterOptionDlg()
{
    relay_.reset();
}

QWidget* CClusterOptionDlg::BuildMaster()
{
    master_ = new QWidget(this);
    port_ = Field(10, master_);
    port_->setFixedWidth(80);
    masterSerial_ = Field(128, master_);
    masterSerial_->setMinimumWidth(280);
    randomSerial_ = new QPushButton(MoxTr::tr("[系统随机生成序列号]"), master_);
    randomSerial_->setFlat(true);
    slaves_ = new QTreeWidget(master_);
    slaves_->setRootIsDecorated(false);
    slaves_->setHeaderLabels({MoxTr::tr("集群内从服务器名称"), MoxTr::tr("服务器IP"),
                              MoxTr::tr("登录时间"), MoxTr::tr("当前状态")});
    slaves_->header()->resizeSection(0, 200);
    slaves_->header()->resizeSection(1, 130);
    slaves_->header()->resizeSection(2, 160);
    refresh_ = new QPushButton(MoxTr::tr("刷新集群状态"), master_);

    auto* grid = new QGridLayout(master_);
    grid->addWidget(new QLabel(MoxTr::tr("设定本服务器为 Morvix 集群主服务器（Master Server）："), master_), 0, 0, 1,
                    3);
    grid->addWidget(Caption(MoxText::Noop("设定集群主服务器的服务端口："), port_, master_), 1, 0, Qt::AlignRight);
    grid->addWidget(port_, 1, 1);
    grid->addWidget(new QLabel(MoxTr::tr("默认：7780，范围：[1 - 65534] "), master_), 1, 2);
    grid->addWidget(Caption(MoxText::Noop("设定集群主服务器验证序列号："), masterSerial_, master_), 2, 0, Qt::AlignRight);
    grid->addWidget(masterSerial_, 2, 1);
    grid->addWidget(randomSerial_, 2, 2, Qt::AlignLeft);
    grid->addWidget(slaves_, 3, 0, 1, 3);
    grid->addWidget(refresh_, 4, 0, 1, 3, Qt::AlignRight);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(3, 1);

    connect(randomSerial_, &QPushButton::clicked, this,
            [this] { masterSerial_->setText(QString::fromStdString(NewClusterSerial())); });
    connect(refresh_, &QPushButton::clicked, this, [this] { Send(ClusterManager_Status); });
    PressOnKey(this, QKeySequence(Qt::Key_F5), refresh_);
    return master_;
}

QWidget* CClusterOptionDlg::BuildSlave()
{
    slave_ = new QWidget(this);
    masterAddress_ = Field(ClusterConfig::kHostLimit, slave_);
    slaveSerial_ = Field(128, slave_);
    slaveSerial_->setMinimumWidth(280);
    slaveName_ = Field(128, slave_);
    state_ = new QLabel(slave_);
    auto* stateCaption = new QLabel(MoxTr::tr("本服务器集群状态："), slave_);

    auto* grid = new QGridLayout(slave_);
    grid->addWidget(new QLabel(MoxTr::tr("设定本服务器为 Morvix 集群从服务器（Slave Server）："), slave_), 0, 0, 1, 3);
    grid->addWidget(Caption(MoxText::Noop("设定集群主服务器的IP和端口："), masterAddress_, slave_), 1, 0, Qt::AlignRight);
    grid->addWidget(masterAddress_, 1, 1);
    grid->addWidget(Caption(MoxText::Noop("设定集群主服务器验证序列号："), slaveSerial_, slave_), 2, 0, Qt::AlignRight);
    grid->addWidget(slaveSerial_, 2, 1);
    grid->addWidget(new QLabel(MoxTr::tr("说明：与集群主服务器此配置保持一致。"), slave_), 2, 2);
    grid->addWidget(Caption(MoxText::Noop("为本服务器设定一个名称："), slaveName_, slave_), 3, 0, Qt::AlignRight);
    grid->addWidget(slaveName_, 3, 1);
    grid->addWidget(new QLabel(MoxTr::tr("说明：此名称一定要区别于其它从服务器。"), slave_), 3, 2);
    grid->addWidget(stateCaption, 4, 0, Qt::AlignRight);
    grid->addWidget(state_, 4, 1, 1, 2);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(5, 1);
    return slave_;
}

void CClusterOptionDlg::RoleChosen(int role)
{
    role_->setCurrentIndex(role);
    master_->setVisible(role == 1);
    slave_->setVisible(role == 2);
    if (role == 1)
        port_->setFocus();
    else if (role == 2)
        masterAddress_->setFocus();
}

void CClusterOptionDlg::Fill()
{
    RoleChosen(config_.Role >= 0 && config_.Role <= 2 ? config_.Role : 0);
    if (config_.Role == 1) {
        port_->setText(QString::number(config_.Binding));
        masterSerial_->setText(QString::fromStdString(config_.Auth));
    } else if (config_.Role == 2) {
        masterAddress_->setText(QString::fromStdString(config_.Host));
        slaveSerial_->setText(QString::fromStdString(config_.Auth));
        slaveName_->setText(QString::fromStdString(config_.SlaveID));
    }
}

bool CClusterOptionDlg::Refuse(QLineEdit* field, const QString& message)
{
    IUserInteraction::Current().Inform(this, MoxTr::tr("集群"), message);
    field->setFocus();
    return false;
}

void CClusterOptionDlg::Modify()
{
    ClusterConfig sent;
    sent.Role = static_cast<std::int16_t>(role_->currentIndex());
    if (sent.Role == 1) {
        bool isNumber = false;
        const int port = port_->text().toInt(&isNumber);
        if (!isNumber || port < kLowestPort || port > kHighestPort) {
            Refuse(port_, MoxTr::tr("请输入集群主服务器的服务端口,默认：7780，范围：[1 - 65534]"));
            return;
        }
        if (masterSerial_->text().isEmpty()) {
            Refuse(masterSerial_, MoxTr::tr("请输入集群主服务器验证序列号。"));
            return;
        }
        sent.Binding = static_cast<std::uint16_t>(port);
        sent.Auth = masterSerial_->text().left(kMasterSerialCharacters).toStdString();
    } else if (sent.Role == 2) {
        if (masterAddress_->text().isEmpty()) {
            Refuse(masterAddress_, MoxTr::tr("请输入集群主服务器的IP和端口,例如：192.168.1.10:7780"));
            return;
        }
        if (slaveSerial_->text().isEmpty()) {
            Refuse(slaveSerial_, MoxTr::tr("请输入集群主服务器验证序列号。"));
            return;
        }
        if (slaveName_->text().isEmpty()) {
            Refuse(slaveName_, MoxTr::tr("请输入本服务器名称。"));
            return;
        }
        sent.Host = masterAddress_->text().toStdString();
        sent.Auth = slaveSerial_->text().toStdString();
        sent.SlaveID = slaveName_->text().toStdString();
    }
    Send([&] { return ClusterManager_Modify(sent); });
}

void CClusterOptionDlg::Read()
{
    Send(ClusterManager_Get);
}

void CClusterOptionDlg::Send(const std::function<bool()>& send)
{
    busy_.Send(send);
    UpdateCommands();
}

void CClusterOptionDlg::UpdateCommands()
{
    refresh_->setEnabled(!busy_.IsBusy());
    modify_->setEnabled(!busy_.IsBusy());
}

void CClusterOptionDlg::EventShown(int kind, int status, std::uintptr_t value)
{
    const auto* record = CMoxEventParam::As<CMoxClusterEventParam>(value);
    if (status != eMoxEventStatus_Ok || !record)
        return;
    if (kind == eMoxCacheEvent_ClusterConfigRead) {
        config_ = record->config;
        Fill();
        Send(ClusterManager_Status);
    } else if (kind == eMoxCacheEvent_ClusterConfigSet) {
        config_ = record->config;
        Fill();
        if (config_.Role == 1 || config_.Role == 2)
            Send(ClusterManager_Status);
    } else if (kind == eMoxCacheEvent_ClusterStatusRead) {
        config_.MasterStatus = record->config.MasterStatus;
        config_.SlaveStatus = record->config.SlaveStatus;
        if (record->config.Role == 1) {
            slaves_->clear();
            for (const ClusterConfig& slave : record->slaves)
                slaves_->addTopLevelItem(new QTreeWidgetItem(
                    {QString::fromStdString(slave.SlaveID), QString::fromStdString(slave.Host),
                     QString::fromStdString(slave.LoginTime), QString::number(slave.SlaveStatus)}));
        } else if (record->config.SlaveStatus >= 0 &&
                   record->config.SlaveStatus < static_cast<int>(std::size(kConnectionStates))) {
            state_->setText(MoxTr::tr(kConnectionStates[record->config.SlaveStatus]));
        }
    }
}
