#include "features/config/view/CDiskCacheDlg.h"

#include "controls/CMoxTabCtrl.h"
#include "features/config/view/CDiskSystemSetWnd.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

CDiskCacheDlg::CDiskCacheDlg(QWidget* parent) : CMoxContentView(parent)
{
    auto* tabs = new CMoxTabCtrl(this);
    tabs->addTab(QStringLiteral("硬盘缓存"));

    auto* directories = new QGroupBox(QStringLiteral("硬盘缓存目录"), this);
    auto* pending = new QLabel(QStringLiteral("此处将显示：硬盘缓存目录（硬盘缓存目录视图）"), directories);
    pending->setAlignment(Qt::AlignCenter);
    auto* directoriesLayout = new QVBoxLayout(directories);
    directoriesLayout->addWidget(pending);

    auto* tuning = new QGroupBox(QStringLiteral("硬盘缓存配置"), this);
    auto* tuningLayout = new QVBoxLayout(tuning);
    tuningLayout->addWidget(new CDiskSystemSetWnd(tuning));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(tabs);
    layout->addWidget(directories, 1);
    layout->addWidget(tuning);
}
