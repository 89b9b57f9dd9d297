#include "features/monitor/view/CRthRequestDlg.h"

#include "controls/IUserInteraction.h"
#include "features/cache/CacheRuleTexts.h"
#include "features/monitor/InstantRequestRules.h"
#include "features/monitor/view/CInstantRequestModel.h"
#include "features/monitor/view/CInstantRequestMonitor.h"
#include "features/monitor/view/CRthSwitchBoxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTimer>
#include <QVBoxLayout>

#include <iterator>
#include "controls/MoxTr.h"
#include "shell/MoxText.h"

namespace {

QPushButton* Button(const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

CRthRequestDlg::CRthRequestDlg(const RthRecord& record, QWidget* parent) : QDialog(parent), record_(record)
{
    setWindowTitle(record.Title.empty() ? MoxTr::tr("实时访问监控")
                                        : MoxTr::tr("实时访问监控 - %1").arg(QString::fromStdString(record.Title)));

    url_ = new QLineEdit(QString::fromStdString(record.RequestUrl), this);
    url_->setReadOnly(true);
    matchKind_ = new QComboBox(this);
    for (int code = 0; code < kMatchKindCount; ++code)
        matchKind_->addItem(QString::fromStdString(MoxText::tr(MatchKindText(code))));
    matchKind_->setCurrentIndex(record.Rules >= 0 && record.Rules < kMatchKindCount ? record.Rules : 0);
    clearInterval_ = new QComboBox(this);
    for (int minutes : kClearMinutes)
        clearInterval_->addItem(MoxTr::tr("%1分钟").arg(minutes));
    clearInterval_->addItem(MoxTr::tr("不清屏"));
    clearInterval_->setCurrentIndex(clearInterval_->count() - 1);
    ignoreCase_ = new QCheckBox(MoxTr::tr("忽略大小写"), this);
    ignoreCase_->setChecked(record.Icase != 0);
    switches_ = new CRthSwitchBoxes(this);
    switches_->Show(record);

    auto* settings = new QFormLayout;
    settings->addRow(MoxTr::tr("实时监控地址："), url_);
    auto* ruleRow = new QHBoxLayout;
    ruleRow->addWidget(matchKind_);
    ruleRow->addWidget(ignoreCase_);
    auto* clearLabel = new QLabel(MoxTr::tr("清屏间隔："), this);
    clearLabel->setBuddy(clearInterval_);
    ruleRow->addSpacing(12);
    ruleRow->addWidget(clearLabel);
    ruleRow->addWidget(clearInterval_);
    ruleRow->addStretch();
    auto* ruleLabel = new QLabel(MoxTr::tr("地址匹配规则："), this);
    ruleLabel->setBuddy(matchKind_);
    settings->addRow(ruleLabel, ruleRow);
    settings->addRow(QString(), switches_);

    monitor_ = new CInstantRequestMonitor(40, 958, this);
    startButton_ = Button(MoxTr::tr("开始监控"), this);
    autoScroll_ = new QCheckBox(MoxTr::tr("自动滚屏"), this);
    autoScroll_->setChecked(monitor_->AutoScroll());
    auto* showSelected = Button(MoxTr::tr("查看选中内容"), this);
    auto* save = Button(MoxTr::tr("保存监控记录"), this);
    auto* clear = Button(MoxTr::tr("清屏"), this);
    connect(startButton_, &QPushButton::clicked, this, &CRthRequestDlg::ToggleMonitoring);
    connect(autoScroll_, &QCheckBox::toggled, monitor_, &CInstantRequestMonitor::SetAutoScroll);
    connect(monitor_, &CInstantRequestMonitor::AutoScrollChanged, autoScroll_, &QCheckBox::setChecked);
    connect(showSelected, &QPushButton::clicked, this, &CRthRequestDlg::ShowSelected);
    connect(save, &QPushButton::clicked, this, &CRthRequestDlg::SaveRows);
    connect(clear, &QPushButton::clicked, monitor_, &CInstantRequestMonitor::ClearRows);

    clearTimer_ = new QTimer(this);
    connect(clearTimer_, &QTimer::timeout, monitor_, &CInstantRequestMonitor::ClearRows);
    connect(clearInterval_, &QComboBox::currentIndexChanged, this, &CRthRequestDlg::ClearIntervalChosen);
    // A closed window monitors nothing, also while it waits to be deleted.
    connect(this, &QDialog::finished, this, [this] {
        monitor_->Stop();
        ShowMonitoring(false);
    });

    auto* commands = new QHBoxLayout;
    commands->addWidget(startButton_);
    commands->addWidget(autoScroll_);
    commands->addStretch();
    commands->addWidget(showSelected);
    commands->addWidget(save);
    commands->addWidget(clear);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(settings);
    layout->addLayout(commands);
    layout->addWidget(monitor_, 1);
    resize(1040, 640);
}

CRthRequestDlg::~CRthRequestDlg() = default;

RthRecord CRthRequestDlg::RecordFromFields() const
{
    RthRecord record = record_;
    record.Rules = matchKind_->currentIndex();
    record.Icase = ignoreCase_->isChecked() ? 1 : 0;
    switches_->ReadInto(record);
    return record;
}

void CRthRequestDlg::ToggleMonitoring()
{
    if (monitor_->IsMonitoring()) {
        monitor_->Stop();
        ShowMonitoring(false);
        return;
    }
    record_ = RecordFromFields();
    ShowMonitoring(monitor_->Start(InstantRequestRuleOf(record_), ClientRange()));
}

void CRthRequestDlg::ShowMonitoring(bool on)
{
    startButton_->setText(on ? MoxTr::tr("停止监控") : MoxTr::tr("开始监控"));
    // The stream runs with the switches it was started with.
    matchKind_->setEnabled(!on);
    ignoreCase_->setEnabled(!on);
    switches_->setEnabled(!on);
}

void CRthRequestDlg::ClearIntervalChosen(int index)
{
    if (index < 0 || index >= static_cast<int>(std::size(kClearMinutes))) {
        clearTimer_->stop();
        return;
    }
    clearTimer_->start(minute_ * kClearMinutes[index]);
}

void CRthRequestDlg::ShowSelected()
{
    monitor_->ShowContent(monitor_->SelectedTexts());
}

void CRthRequestDlg::SaveRows()
{
    const QString proposed =
        QStringLiteral("morvix(%1).txt").arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HH-mm-ss")));
    const QString path = IUserInteraction::Current().ChooseSaveFile(this, MoxTr::tr("保存到"), proposed,
                                                                      MoxTr::tr("文本文件(*.txt)"));
    if (path.isEmpty())
        return;
    const InstantRequestRows& rows = monitor_->Model()->Rows();
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    for (std::size_t row = 0; written && row < rows.Size(); ++row) {
        const std::string_view line = rows.Line(row);
        written = file.write(line.data(), static_cast<qint64>(line.size())) == static_cast<qint64>(line.size()) &&
                  file.write("\r\n", 2) == 2;
    }
    if (written && file.commit())
        return;
    file.cancelWriting();
    IUserInteraction::Current().Inform(this, MoxTr::tr("保存到"),
                                       MoxTr::tr("无法写入文件“%1”，监控记录未保存。").arg(path));
}
