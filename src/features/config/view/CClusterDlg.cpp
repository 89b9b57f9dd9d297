#include "features/config/view/CClusterDlg.h"

#include "controls/CHelpTab.h"
#include "controls/CMoxTabCtrl.h"
#include "features/config/view/CClusterOptionDlg.h"
#include "shell/HelpPages.h"

#include <QVBoxLayout>
#include "controls/MoxTr.h"

CClusterDlg::CClusterDlg(QWidget* parent) : CMoxContentView(parent)
{
    auto* tabs = new CMoxTabCtrl(this);
    tabs->addTab(MoxTr::tr("修改集群配置"));
    tabs->addTab(MoxTr::tr("查看帮助"));
    form_ = new CClusterOptionDlg(this);
    OpenHelpFromTab(tabs, 1, ClusterHelpUrl());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(tabs);
    layout->addWidget(form_, 1);
}

void CClusterDlg::OnChosen()
{
    form_->Read();
}

void CClusterDlg::OnServerChanged(const ServerPlatform&)
{
    if (isVisible())
        form_->Read();
}
