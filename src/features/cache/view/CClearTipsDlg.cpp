#include "features/cache/view/CClearTipsDlg.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include "controls/MoxTr.h"

CClearTipsDlg::CClearTipsDlg(const QString& question, QWidget* parent, const QString& title) : QDialog(parent)
{
    setWindowTitle(title);
    setWindowModality(Qt::WindowModal);
    auto* text = new QLabel(question, this);
    text->setWordWrap(true);
    cluster_ = new QCheckBox(MoxTr::tr("同步操作集群内全部服务器"), this);
    auto* ok = new QPushButton(MoxTr::tr("确定"), this);
    auto* cancel = new QPushButton(MoxTr::tr("取消"), this);
    cancel->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(cluster_);
    layout->addLayout(buttons);
}

bool CClearTipsDlg::WithCluster() const
{
    return cluster_->isChecked();
}
