#include "features/monitor/view/CInstantRequestContentDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include "controls/MoxTr.h"

CInstantRequestContentDlg::CInstantRequestContentDlg(const QString& text, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(MoxTr::tr("访问监控"));
    auto* label = new QLabel(MoxTr::tr("实时访问监控内容："), this);
    text_ = new QPlainTextEdit(text, this);
    text_->setReadOnly(true);
    label->setBuddy(text_);
    auto* close = new QPushButton(MoxTr::tr("关闭"), this);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(text_, 1);
    layout->addLayout(buttons);
    resize(640, 420);
}
