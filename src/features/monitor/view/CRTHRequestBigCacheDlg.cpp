#include "features/monitor/view/CRTHRequestBigCacheDlg.h"

#include "controls/FieldLabels.h"
#include "controls/IUserInteraction.h"
#include "features/monitor/view/CInstantRequestMonitor.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>
#include "controls/MoxTr.h"

namespace {

constexpr int kFilterCharacters = 64;

}  // namespace

CRTHRequestBigCacheDlg::CRTHRequestBigCacheDlg(QWidget* parent, const std::filesystem::path& rulesFile)
    : CMoxContentView(parent), rules_(LoadInstantRequestRules(rulesFile))
{
    auto* ruleLabel = new QLabel(MoxTr::tr("实时监控地址："), this);
    ruleBox_ = new QComboBox(this);
    for (const CInstantRequestRule& rule : rules_)
        ruleBox_->addItem(QString::fromStdString(rule.name), QString::fromStdString(rule.url));
    ruleBox_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    ruleLabel->setBuddy(ruleBox_);

    auto* filterLabel = new QLabel(MoxTr::tr("用户 IP："), this);
    filterBox_ = new QComboBox(this);
    filterBox_->setEditable(true);
    filterBox_->setInsertPolicy(QComboBox::NoInsert);
    filterBox_->lineEdit()->setMaxLength(kFilterCharacters);
    filterBox_->setToolTip(MoxTr::tr("可输入用户 IP 或者 IP 段"));
    filterBox_->setMinimumContentsLength(24);
    FieldLabels::Tie(filterLabel, filterBox_);
    FillFilters(QString());

    startButton_ = new QPushButton(MoxTr::tr("开始监控"), this);
    startButton_->setAutoDefault(false);
    connect(startButton_, &QPushButton::clicked, this, &CRTHRequestBigCacheDlg::ToggleMonitoring);

    monitor_ = new CInstantRequestMonitor(50, 900, this);
    autoScrollBox_ = new QCheckBox(MoxTr::tr("自动滚屏"), this);
    autoScrollBox_->setChecked(monitor_->AutoScroll());
    connect(autoScrollBox_, &QCheckBox::toggled, monitor_, &CInstantRequestMonitor::SetAutoScroll);
    connect(monitor_, &CInstantRequestMonitor::AutoScrollChanged, autoScrollBox_, &QCheckBox::setChecked);
    connect(monitor_, &CInstantRequestMonitor::ContextMenuAsked, this,
            [this](const QPoint& at) { MakeContextMenu()->exec(at); });

    clearButton_ = new QPushButton(MoxTr::tr("清空监控数据"), this);
    clearButton_->setAutoDefault(false);
    connect(clearButton_, &QPushButton::clicked, this, &CRTHRequestBigCacheDlg::ClearData);

    auto* top = new QHBoxLayout;
    top->addWidget(ruleLabel);
    top->addWidget(ruleBox_);
    top->addSpacing(12);
    top->addWidget(filterLabel);
    top->addWidget(filterBox_);
    top->addWidget(startButton_);
    top->addWidget(autoScrollBox_);
    top->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(clearButton_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(top);
    layout->addWidget(monitor_, 1);
    layout->addLayout(bottom);
}

CRTHRequestBigCacheDlg::~CRTHRequestBigCacheDlg() = default;

void CRTHRequestBigCacheDlg::OnLoginStarted()
{
    StopMonitoring();
}

void CRTHRequestBigCacheDlg::OnServerChanged(const ServerPlatform&)
{
    StopMonitoring();
    filterMemory_.reset();
    if (const CMoxCacheInstance* instance = CMoxInstanceManager::GetInstanceManager()->GetInstance())
        filterMemory_.emplace(CMoxInstanceManager::GetInstanceManager()->DataDir() / "LoginHistory", instance->Host());
    FillFilters(filterMemory_ ? QString::fromStdString(filterMemory_->Latest()) : QString());
}

void CRTHRequestBigCacheDlg::FillFilters(const QString& selected)
{
    filterBox_->clear();
    for (const std::string& filter : FixedClientFilters())
        filterBox_->addItem(QString::fromStdString(filter));
    if (filterMemory_)
        for (const std::string& filter : filterMemory_->OwnFilters())
            filterBox_->addItem(QString::fromStdString(filter));
    const int index = selected.isEmpty() ? 0 : filterBox_->findText(selected);
    if (index >= 0)
        filterBox_->setCurrentIndex(index);
    else
        filterBox_->setEditText(selected);
}

void CRTHRequestBigCacheDlg::ToggleMonitoring()
{
    if (monitor_->IsMonitoring())
        StopMonitoring();
    else
        StartMonitoring();
}

void CRTHRequestBigCacheDlg::StartMonitoring()
{
    const int ruleIndex = ruleBox_->currentIndex();
    if (ruleIndex < 0 || ruleIndex >= static_cast<int>(rules_.size()) || monitor_->IsMonitoring())
        return;
    const QString filter = filterBox_->currentText().trimmed();
    if (!monitor_->Start(rules_[static_cast<std::size_t>(ruleIndex)], ParseClientFilter(filter.toStdString())))
        return;
    if (filterMemory_) {
        filterMemory_->Use(filter.toStdString());
        FillFilters(filter);
    }
    ShowMonitoring(true);
}

void CRTHRequestBigCacheDlg::StopMonitoring()
{
    monitor_->Stop();
    ShowMonitoring(false);
}

void CRTHRequestBigCacheDlg::ShowMonitoring(bool on)
{
    startButton_->setText(on ? MoxTr::tr("停止监控") : MoxTr::tr("开始监控"));
    filterBox_->setEnabled(!on);
}

void CRTHRequestBigCacheDlg::ClearData()
{
    if (IUserInteraction::Current().Confirm(this, MoxTr::tr("清空数据"),
                                            MoxTr::tr("您确定要清空所有监控数据吗？")))
        monitor_->ClearRows();
}

std::unique_ptr<QMenu> CRTHRequestBigCacheDlg::MakeContextMenu()
{
    auto menu = std::make_unique<QMenu>(this);
    menu->addAction(monitor_->IsMonitoring() ? MoxTr::tr("停止监控") : MoxTr::tr("开始监控"), this,
                    &CRTHRequestBigCacheDlg::ToggleMonitoring);
    QAction* autoScroll = menu->addAction(MoxTr::tr("自动滚屏"));
    autoScroll->setCheckable(true);
    autoScroll->setChecked(monitor_->AutoScroll());
    connect(autoScroll, &QAction::toggled, monitor_, &CInstantRequestMonitor::SetAutoScroll);
    menu->addAction(MoxTr::tr("清空监控数据"), this, &CRTHRequestBigCacheDlg::ClearData);
    return menu;
}

void CRTHRequestBigCacheDlg::hideEvent(QHideEvent* event)
{
    CMoxContentView::hideEvent(event);
    // Minimising the window is not leaving the view.
    if (!event->spontaneous())
        StopMonitoring();
}
