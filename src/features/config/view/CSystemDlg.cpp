#include "features/config/view/CSystemDlg.h"

#include "controls/CMoxTabCtrl.h"
#include "controls/FieldLabels.h"
#include "controls/IUserInteraction.h"
#include "features/config/SystemOptionsChangeSet.h"
#include "features/config/SystemRequests.h"
#include "features/config/view/CSystemOptionsEditor.h"
#include "messaging/EventKinds.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/HelpPages.h"
#include "shell/LeadingDecimal.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QUrl>
#include <QVBoxLayout>
#include "controls/MoxTr.h"
#include "shell/MoxText.h"

namespace {

using Member = std::int32_t SystemOptions::*;

struct FieldShape {
    Member member;
    const char* label;
    int maxCharacters;
    const char* unit;
};

const FieldShape kFields[] = {
    {&SystemOptions::MaxUsableMemSize, MoxText::Noop("*限定 Morvix 可用内存："), 4, MoxText::Noop("MB，范围：[32 -  最大剩余内存]（重启生效！）")},
    {&SystemOptions::MaxConnections, MoxText::Noop("最大并发连接数："), 5, MoxText::Noop("个，默认：5000，可设置范围：[0 - 60000]")},
    {&SystemOptions::MaxClientSendBuffer, MoxText::Noop("浏览器客户端连接发送缓冲："), 2, MoxText::Noop("KB，默认：32，可设置范围：[8 - 32]")},
    {&SystemOptions::MaxClientRecvBuffer, MoxText::Noop("浏览器客户端连接接收缓冲："), 2, MoxText::Noop("KB，默认：8，可设置范围：[8 - 32]")},
    {&SystemOptions::MaxCacheBlockSize, MoxText::Noop("缓存块最大尺寸："), 4, MoxText::Noop("KB，默认：512，可设置范围：[0 - 1024]")},
    {&SystemOptions::ClientRequestTimeOut, MoxText::Noop("客户端请求超时时间："), 4, MoxText::Noop("秒，默认：16，可设置范围：[5 - 3600]")},
    {&SystemOptions::MaxUpstreamConnections, MoxText::Noop("限制源站最大并发连接请求数："), 6, MoxText::Noop("个，默认：5000，可设置范围：[0 - 60000]")},
    {&SystemOptions::MaxSessionCacheSize, MoxText::Noop("会话缓存最大允许占用内存的尺寸："), 3, MoxText::Noop("MB，默认：100，可设置范围：[0 - 200]")},
};

struct FlagShape {
    Member member;
    const char* text;
};

const FlagShape kFlags[] = {
    {&SystemOptions::IsUsedXForwardedFor, MoxText::Noop("允许在 HTTP 头增加客户端浏览器 IP 地址(例: X-Forwarded-For: 192.168.1.100)")},
    {&SystemOptions::IsHitCacheForRefresh, MoxText::Noop("浏览器手动刷新时(F5或Ctrl+F5), 是否启用缓存（默认：√）")},
    {&SystemOptions::UnenableAccessLog, MoxText::Noop("关闭访问日志记录（默认: √）")},
    {&SystemOptions::UnenableWebcacheBySpider, MoxText::Noop("搜索引擎抓取的页面不加入到缓存系统（默认: √）")},
    {&SystemOptions::UnenableStatBySpider, MoxText::Noop("搜索引擎抓取的页面不计入到统计流量（默认: √）")},
};

constexpr int kReportHourCharacters = 2;
constexpr int kReportPeriodCharacters = 3;

QLineEdit* DigitsEdit(int maxCharacters, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(maxCharacters);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), edit));
    edit->setFixedWidth(70);
    return edit;
}

// A check box that shows an option it does not change: the switch command beside it does.
QCheckBox* Mirror(const QString& text, QWidget* parent)
{
    auto* box = new QCheckBox(text, parent);
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

}  // namespace

CSystemDlg::CSystemDlg(QWidget* parent) : CMoxContentView(parent)
{
    auto* tabs = new CMoxTabCtrl(this);
    tabs->addTab(MoxTr::tr("系统配置"));

    saveAll_ = new QPushButton(MoxTr::tr("保存所有配置"), this);
    editor_ = new CSystemOptionsEditor(this, saveAll_, SystemViewChanges);

    // The settings scroll on a small window; the commands stay in sight below them.
    auto* content = new QWidget;
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->addWidget(BuildFields());
    contentLayout->addWidget(BuildReport());
    contentLayout->addStretch();
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(tabs);
    layout->addWidget(scroll, 1);
    layout->addWidget(BuildCommands());

    connect(editor_, &CSystemOptionsEditor::OptionsShown, this, [this] {
        ShowSwitches();
        ShowReport();
    });
    connect(editor_, &CSystemOptionsEditor::ModifyShown, this, &CSystemDlg::ModifyShown);
    ShowSwitches();
}

QWidget* CSystemDlg::BuildFields()
{
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(4);
    int row = 0;
    for (const FieldShape& shape : kFields) {
        auto* edit = new QLineEdit(box);
        edit->setFixedWidth(70);
        editor_->Fields().AddNumber(edit, shape.maxCharacters, {shape.member});
        grid->addWidget(FieldLabels::Tie(new QLabel(MoxTr::tr(shape.label), box), edit), row, 0, Qt::AlignRight);
        grid->addWidget(edit, row, 1);
        edit->setAccessibleDescription(MoxTr::tr(shape.unit));
        grid->addWidget(new QLabel(MoxTr::tr(shape.unit), box), row, 2);
        fields_.emplace_back(shape.member, edit);
        ++row;
    }
    auto* flags = new QVBoxLayout;
    flags->setSpacing(0);
    for (const FlagShape& shape : kFlags) {
        auto* flag = new QCheckBox(MoxTr::tr(shape.text), box);
        editor_->Fields().AddFlag(flag, shape.member);
        flags->addWidget(flag);
        flags_.emplace_back(shape.member, flag);
    }
    grid->addLayout(flags, row, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    return box;
}

QWidget* CSystemDlg::BuildReport()
{
    auto* group = new QGroupBox(MoxTr::tr("流量统计报告选项："));
    daily_ = new QRadioButton(MoxTr::tr("每天固定时间生成流量统计报告，固定生成时间："), group);
    periodic_ = new QRadioButton(MoxTr::tr("周期性生成流量统计报告，周期性生成间隔时间："), group);
    auto* choice = new QButtonGroup(group);
    choice->addButton(daily_);
    choice->addButton(periodic_);
    reportHour_ = DigitsEdit(kReportHourCharacters, group);
    reportPeriod_ = DigitsEdit(kReportPeriodCharacters, group);
    // Each choice's text ends in what the edit beside it holds.
    reportHour_->setAccessibleName(MoxTr::tr("固定生成时间"));
    reportHour_->setAccessibleDescription(MoxTr::tr("点，[0 - 23]"));
    reportPeriod_->setAccessibleName(MoxTr::tr("周期性生成间隔时间"));
    reportPeriod_->setAccessibleDescription(MoxTr::tr("小时，[1 - 240]"));
    saveReport_ = new QPushButton(MoxTr::tr("保存设置"), group);
    saveReport_->setEnabled(false);

    auto* grid = new QGridLayout(group);
    grid->addWidget(daily_, 0, 0);
    grid->addWidget(reportHour_, 0, 1);
    grid->addWidget(new QLabel(reportHour_->accessibleDescription(), group), 0, 2);
    grid->addWidget(periodic_, 1, 0);
    grid->addWidget(reportPeriod_, 1, 1);
    grid->addWidget(new QLabel(reportPeriod_->accessibleDescription(), group), 1, 2);
    grid->addWidget(saveReport_, 1, 3, Qt::AlignRight);
    grid->setColumnStretch(2, 1);

    auto enableSave = [this] { saveReport_->setEnabled(editor_->Known() && !sentChanges_.IsBusy()); };
    connect(reportHour_, &QLineEdit::textEdited, this, enableSave);
    connect(reportPeriod_, &QLineEdit::textEdited, this, enableSave);
    connect(daily_, &QRadioButton::clicked, this, [this, enableSave] {
        ReportChoiceChanged();
        enableSave();
    });
    connect(periodic_, &QRadioButton::clicked, this, [this, enableSave] {
        ReportChoiceChanged();
        enableSave();
    });
    connect(saveReport_, &QPushButton::clicked, this, &CSystemDlg::SaveReport);
    return group;
}

QWidget* CSystemDlg::BuildCommands()
{
    auto* box = new QWidget;
    switches_[eSystemModify_MemCacheSwitch] = {&SystemOptions::IsUsedMemCache, MoxTr::tr("停止缓存加速功能"),
                                               MoxTr::tr("开启缓存加速功能")};
    switches_[eSystemModify_RunningSwitch] = {&SystemOptions::IsRunning, MoxTr::tr("暂停缓存服务"),
                                              MoxTr::tr("启用缓存服务")};
    switches_[eSystemModify_PageViewStatSwitch] = {&SystemOptions::IsUsedPageViewStat,
                                                   MoxTr::tr("停止流量统计功能"), MoxTr::tr("启用流量统计功能")};
    switches_[eSystemModify_MemCacheSwitch].mirror = Mirror(MoxTr::tr(" 是否开启缓存加速功能"), box);
    switches_[eSystemModify_PageViewStatSwitch].mirror = Mirror(MoxTr::tr("是否启用流量统计功能"), box);

    auto* mirrors = new QHBoxLayout;
    mirrors->addWidget(switches_[eSystemModify_MemCacheSwitch].mirror);
    mirrors->addWidget(switches_[eSystemModify_PageViewStatSwitch].mirror);
    mirrors->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(saveAll_);
    for (SystemModifyKind kind :
         {eSystemModify_MemCacheSwitch, eSystemModify_RunningSwitch, eSystemModify_PageViewStatSwitch}) {
        auto* button = new QPushButton(box);
        connect(button, &QPushButton::clicked, this, [this, kind] { SendSwitch(kind); });
        switches_[kind].button = button;
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto* help = new QLabel(MoxTr::tr("<a href=\"help\">&lt;系统帮助&gt;</a>"), box);
    help->setAccessibleName(MoxTr::tr("系统帮助"));
    connect(help, &QLabel::linkActivated, this, [] {
        IUserInteraction::Current().OpenUrl(QUrl(QString::fromStdString(
            SystemSettingHelpUrl(CMoxInstanceManager::GetInstanceManager()->Options()))));
    });
    buttons->addWidget(help);

    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->addLayout(mirrors);
    layout->addLayout(buttons);
    return box;
}

QLineEdit* CSystemDlg::Field(Member member) const
{
    for (const auto& [bound, edit] : fields_)
        if (bound == member)
            return edit;
    return nullptr;
}

QCheckBox* CSystemDlg::Flag(Member member) const
{
    for (const auto& [bound, box] : flags_)
        if (bound == member)
            return box;
    return nullptr;
}

QPushButton* CSystemDlg::SwitchButton(SystemModifyKind kind) const
{
    const auto found = switches_.find(kind);
    return found == switches_.end() ? nullptr : found->second.button;
}

void CSystemDlg::ShowSwitches()
{
    const SystemOptions& working = editor_->Working();
    for (auto& [kind, each] : switches_) {
        const bool on = working.*each.member != 0;
        each.button->setText(on ? each.onCaption : each.offCaption);
        each.button->setEnabled(editor_->Known() && each.awaited == 0);
        if (each.mirror)
            each.mirror->setChecked(on);
    }
}

void CSystemDlg::ShowReport()
{
    const SystemOptions& working = editor_->Working();
    (working.PVRCreatingOption == 1 ? daily_ : periodic_)->setChecked(true);
    reportHour_->setText(QString::number(working.PVRCreatingThisTime));
    reportPeriod_->setText(QString::number(working.PVRCreatingPeriodTime));
    ReportChoiceChanged();
    saveReport_->setEnabled(false);
}

void CSystemDlg::ReportChoiceChanged()
{
    reportHour_->setReadOnly(!daily_->isChecked());
    reportPeriod_->setReadOnly(daily_->isChecked());
}

// The working value changes only once the server took the new one, so that a refused switch
// leaves the caption and the next click as they were.
void CSystemDlg::SendSwitch(SystemModifyKind kind)
{
    Switch& each = switches_[kind];
    if (!editor_->Known())
        return;
    const std::int32_t newValue = editor_->Working().*each.member != 0 ? 0 : 1;
    each.awaited = sentChanges_.Send([&] { return SystemManager_Modify(kind, {*SwitchChange(kind, newValue)}); });
    if (each.awaited != 0)
        each.button->setEnabled(false);
}

void CSystemDlg::SaveReport()
{
    SystemOptions& working = editor_->Working();
    working.PVRCreatingOption = daily_->isChecked() ? 1 : 0;
    working.PVRCreatingThisTime = LeadingDecimalInt(reportHour_->text().toStdString());
    working.PVRCreatingPeriodTime = LeadingDecimalInt(reportPeriod_->text().toStdString());
    const SystemOptionChangeSet changes = TrafficReportChanges(working, editor_->Server());
    saveReport_->setEnabled(false);
    if (!changes.empty())
        sentChanges_.Send([&] { return SystemManager_Modify(eSystemModify_TrafficReport, changes); });
}

void CSystemDlg::OnServerChanged(const ServerPlatform&)
{
    sentChanges_.Reset();
    for (auto& [kind, each] : switches_)
        each.awaited = 0;
    ShowSwitches();
}

void CSystemDlg::ModifyShown(int kind, int status, unsigned long requestNumber)
{
    const bool accepted = status == eMoxEventStatus_Ok;
    const bool own = sentChanges_.Take(requestNumber);
    if (kind == eSystemModify_TrafficReport && own) {
        saveReport_->setEnabled(!accepted);
        return;
    }
    const auto found = switches_.find(static_cast<SystemModifyKind>(kind));
    if (found != switches_.end()) {
        if (!own || found->second.awaited != requestNumber)
            return;
        found->second.awaited = 0;
        if (accepted)
            editor_->Working().*found->second.member = editor_->Server().*found->second.member;
        ShowSwitches();
        return;
    }
    if (kind == eSystemModify_FullSave && accepted)
        ShowSwitches();
}
