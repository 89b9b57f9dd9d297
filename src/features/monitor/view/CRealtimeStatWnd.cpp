#include "features/monitor/view/CRealtimeStatWnd.h"

#include "controls/CRuleListView.h"
#include "controls/CommandKeys.h"
#include "controls/IUserInteraction.h"
#include "features/monitor/CRealtimeStatEventParam.h"
#include "features/monitor/RealtimeRequests.h"
#include "messaging/EventKinds.h"
#include "shell/AtomicFile.h"

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTimer>
#include <QVBoxLayout>
#include "controls/MoxTr.h"
#include "shell/MoxText.h"
#include "controls/HeaderFit.h"

namespace {

struct RefreshInterval {
    const char* text;
    int milliseconds;
};
const RefreshInterval kIntervals[] = {{MoxText::Noop("3秒"), 3000}, {MoxText::Noop("10秒"), 10000}, {MoxText::Noop("30秒"), 30000}, {MoxText::Noop("60秒"), 60000}};

struct ColumnShape {
    const char* title;
    int width;
};
const ColumnShape kColumns[] = {{MoxText::Noop("序号"), 40},          {MoxText::Noop("省份"), 160},         {MoxText::Noop("总请求量TR"), 120},
                                {MoxText::Noop("独立访问IP量"), 120}, {MoxText::Noop("人均请求数量"), 100}, {MoxText::Noop("流量百分比"), 100}};

QString StartAutoRefreshText()
{
    return MoxTr::tr("启动自动刷新");
}
QString StopAutoRefreshText()
{
    return MoxTr::tr("停止自动刷新");
}

QStandardItem* Cell(const QString& text, bool number)
{
    auto* item = new QStandardItem(text);
    item->setEditable(false);
    if (number)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

}  // namespace

CRealtimeStatWnd::CRealtimeStatWnd(QWidget* parent) : QWidget(parent)
{
    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, &CRealtimeStatWnd::RequestReport);

    model_ = new QStandardItemModel(0, static_cast<int>(std::size(kColumns)), this);
    table_ = new CRuleListView(this);
    table_->setAccessibleName(MoxTr::tr("统计报告列表"));
    table_->setModel(model_);
    for (int column = 0; column < static_cast<int>(std::size(kColumns)); ++column) {
        model_->setHeaderData(column, Qt::Horizontal, MoxTr::tr(kColumns[column].title));
        table_->setColumnWidth(column, HeaderFitWidth(table_, column, kColumns[column].width));
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(BuildCommands());
    layout->addWidget(BuildTimes());
    layout->addWidget(table_, 1);

    relay_ = std::make_unique<CViewEventRelay>(
        this, std::set<int>{eMoxCacheEvent_RealtimeStat},
        [this](int, int status, std::uintptr_t param2, unsigned long requestNumber) {
            // An older report answered late does not replace the newer one shown.
            if (replies_.TakeNewer(requestNumber))
                ReportShown(status, CMoxEventParam::As<CRealtimeStatEventParam>(param2));
        });
}

QWidget* CRealtimeStatWnd::BuildCommands()
{
    auto* bar = new QWidget(this);
    interval_ = new QComboBox(bar);
    for (const RefreshInterval& choice : kIntervals)
        interval_->addItem(MoxTr::tr(choice.text), choice.milliseconds);
    interval_->setAccessibleName(MoxTr::tr("自动刷新间隔"));
    autoRefresh_ = new QPushButton(StartAutoRefreshText(), bar);
    refresh_ = new QPushButton(MoxTr::tr("刷新统计报告"), bar);
    save_ = new QPushButton(MoxTr::tr("保存统计报告"), bar);
    save_->setEnabled(false);
    connect(autoRefresh_, &QPushButton::clicked, this, &CRealtimeStatWnd::ToggleAutoRefresh);
    PressOnKey(this, QKeySequence(Qt::Key_F5), refresh_);
    connect(refresh_, &QPushButton::clicked, this, &CRealtimeStatWnd::RequestReport);
    connect(save_, &QPushButton::clicked, this, &CRealtimeStatWnd::SaveReport);

    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(interval_);
    layout->addWidget(autoRefresh_);
    layout->addWidget(refresh_);
    layout->addWidget(save_);
    layout->addStretch();
    return bar;
}

QWidget* CRealtimeStatWnd::BuildTimes()
{
    auto* box = new QWidget(this);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto add = [&](const QString& caption, const QString& initial) {
        auto* label = new QLabel(caption, box);
        auto* value = new QLabel(initial, box);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setBuddy(value);
        layout->addWidget(label);
        layout->addWidget(value);
        layout->addSpacing(16);
        return value;
    };
    startTime_ = add(MoxTr::tr("统计开始时间："), QString());
    endTime_ = add(MoxTr::tr("统计结束时间："), QString());
    hitRate_ = add(MoxTr::tr("缓存命令中率："), QStringLiteral("0.00%"));
    layout->addStretch();
    return box;
}

bool CRealtimeStatWnd::RequestReport()
{
    return MonitorManager_RealtimeTotalStat();
}

void CRealtimeStatWnd::ToggleAutoRefresh()
{
    if (timer_->isActive()) {
        timer_->stop();
        autoRefresh_->setText(StartAutoRefreshText());
        interval_->setEnabled(true);
        return;
    }
    timer_->start(interval_->currentData().toInt());
    autoRefresh_->setText(StopAutoRefreshText());
    interval_->setEnabled(false);
}

void CRealtimeStatWnd::ReportShown(int status, const CRealtimeStatEventParam* record)
{
    if (status != eMoxEventStatus_Ok || !record)
        return;
    reportText_ = record->ReportText;
    if (!reportText_.empty())
        save_->setEnabled(true);
    // Rows are overwritten in place, so the list does not flicker on every refresh; rows of an
    // earlier, longer report would be stale and go.
    const int count = static_cast<int>(record->rows.size());
    if (model_->rowCount() > count)
        model_->removeRows(count, model_->rowCount() - count);
    for (int row = 0; row < count; ++row) {
        const RealtimeStatRow& shown = record->rows[static_cast<std::size_t>(row)];
        const QList<QStandardItem*> cells{
            Cell(QString::number(row + 1), true),
            Cell(QString::fromStdString(shown.Name), false),
            Cell(QString::number(shown.TotalRequests), true),
            Cell(QString::number(shown.DistinctAddresses), true),
            Cell(QString::fromStdString(shown.RequestsPerAddress), true),
            Cell(QString::fromStdString(shown.TrafficShare), true),
        };
        if (row < model_->rowCount()) {
            for (int column = 0; column < cells.size(); ++column)
                model_->setItem(row, column, cells[column]);
        } else {
            model_->appendRow(cells);
        }
    }
    startTime_->setText(QString::fromStdString(record->StartTime));
    endTime_->setText(QString::fromStdString(record->EndTime));
    hitRate_->setText(QString::fromStdString(record->HitCachesRate));
}

void CRealtimeStatWnd::SaveReport()
{
    const QString name = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddHHmmss")) +
                         QStringLiteral(".txt");
    const QString path = IUserInteraction::Current().ChooseSaveFile(
        this, MoxTr::tr("保存到"), QDir::home().filePath(name), MoxTr::tr("文本文件 (*.txt);;所有文件 (*)"));
    if (path.isEmpty())
        return;
    if (!WriteFileAtomically(path.toStdString(), reportText_))
        IUserInteraction::Current().Inform(this, MoxTr::tr("提示"),
                                           MoxTr::tr("保存统计报告失败，无法写入文件：%1").arg(path));
}

QString CRealtimeStatWnd::StartTimeText() const
{
    return startTime_->text();
}

QString CRealtimeStatWnd::EndTimeText() const
{
    return endTime_->text();
}

QString CRealtimeStatWnd::HitRateText() const
{
    return hitRate_->text();
}
