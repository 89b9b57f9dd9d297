#include "features/monitor/view/CRealTimeInfoDlg.h"

#include "controls/CSkinImageCache.h"
#include "controls/FieldLabels.h"
#include "controls/CSkinPainter.h"
#include "controls/SkinImages.h"
#include "features/monitor/RealtimeInfo.h"
#include "features/monitor/RealtimeNumberForms.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>

#include <algorithm>
#include "controls/MoxTr.h"

namespace {

const QColor kPlainBand(0x27, 0x30, 0x3b);
const QColor kLabelText(0xb8, 0xc4, 0xd2);
const QColor kValueText(Qt::white);

// A palette rather than a style sheet: style sheets cost the start-up several milliseconds.
void SetTextColour(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}
// The time fields are as wide as the longest time the server sends.
const QString kTimeSample = QStringLiteral("2012-07-16 13:14:34");

}  // namespace

CRealTimeInfoDlg::CRealTimeInfoDlg(const QString& productName, bool oem, QWidget* parent) : QWidget(parent)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(12, 4, 16, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(0);
    const int timeWidth = fontMetrics().horizontalAdvance(kTimeSample) + 4;
    const QString prefix = oem ? MoxTr::tr("系统") : productName + QLatin1Char(' ');
    startTime_ = AddRow(0, prefix + MoxTr::tr("启动时间："), timeWidth);
    currentTime_ = AddRow(1, prefix + MoxTr::tr("当前时间："), timeWidth);
    saving_ = AddRow(2, MoxTr::tr("累计节流："), timeWidth);
    startTime_->setObjectName(QStringLiteral("startTime"));
    currentTime_->setObjectName(QStringLiteral("currentTime"));
    saving_->setObjectName(QStringLiteral("saving"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    Reset();
}

QLabel* CRealTimeInfoDlg::AddRow(int row, const QString& label, int valueWidth)
{
    auto* grid = static_cast<QGridLayout*>(layout());
    auto* caption = new QLabel(label, this);
    SetTextColour(caption, kLabelText);
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* value = new QLabel(this);
    SetTextColour(value, kValueText);
    value->setFixedWidth(valueWidth);
    FieldLabels::Tie(caption, value);
    grid->addWidget(caption, row, 0);
    grid->addWidget(value, row, 1);
    return value;
}

void CRealTimeInfoDlg::Reset()
{
    startTime_->clear();
    currentTime_->clear();
    largestSaving_.reset();
    ShowSaving();
}

void CRealTimeInfoDlg::ShowRealtime(const RealtimeInfo& info)
{
    startTime_->setText(QString::fromStdString(info.StartTime));
    currentTime_->setText(QString::fromStdString(info.CurrentTime));
    const std::int64_t saving = info.TotalSendKB - info.TotalRecvFromResponseKB;
    largestSaving_ = largestSaving_ ? std::max(*largestSaving_, saving) : saving;
    ShowSaving();
}

void CRealTimeInfoDlg::ShowSaving()
{
    const KbValueUnit shown = FormatKbValueUnit(largestSaving_.value_or(0));
    saving_->setText(QString::fromStdString(shown.value + " " + shown.unit));
}

QString CRealTimeInfoDlg::StartTimeText() const
{
    return startTime_->text();
}

QString CRealTimeInfoDlg::CurrentTimeText() const
{
    return currentTime_->text();
}

QString CRealTimeInfoDlg::SavingText() const
{
    return saving_->text();
}

void CRealTimeInfoDlg::paintEvent(QPaintEvent*)
{
    // Continues the toolbar's band, so the strip reads as part of it.
    QPainter painter(this);
    CSkinPainter::FillBackground(painter, CSkinImageCache::Image(SkinImages::kToolbarBackground), rect(), kPlainBand);
}
