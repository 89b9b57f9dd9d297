#include "features/monitor/view/CFigureBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const QColor kGround(0x1d, 0x26, 0x30);
const QColor kLabelText(0xb8, 0xc4, 0xd2);
const QColor kValueText(0x5c, 0xe0, 0x4a);

QLabel* ColouredLabel(const QString& text, const QColor& colour, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

}  // namespace

CFigureBox::CFigureBox(const QString& label, const QString& unit, QWidget* parent) : QFrame(parent)
{
    setAutoFillBackground(true);
    QPalette ground = palette();
    ground.setColor(QPalette::Window, kGround);
    setPalette(ground);
    setFrameShape(QFrame::StyledPanel);

    label_ = ColouredLabel(label, kLabelText, this);
    value_ = ColouredLabel(QStringLiteral("0"), kValueText, this);
    unit_ = ColouredLabel(unit, kLabelText, this);
    QFont big = value_->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    value_->setFont(big);
    value_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label_->setBuddy(value_);

    auto* figure = new QHBoxLayout;
    figure->addWidget(value_, 1);
    figure->addWidget(unit_, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(0);
    layout->addWidget(label_);
    layout->addLayout(figure);
}

void CFigureBox::Show(const QString& value, const QString& unit)
{
    value_->setText(value);
    unit_->setText(unit);
}

void CFigureBox::Show(const QString& value)
{
    value_->setText(value);
}

QString CFigureBox::Label() const
{
    return label_->text();
}

QString CFigureBox::Value() const
{
    return value_->text();
}

QString CFigureBox::Unit() const
{
    return unit_->text();
}
