#include "features/config/view/CDnsSettingDlg.h"

#include "controls/CMoxTabCtrl.h"
#include "features/config/DnsRequests.h"
#include "features/config/view/CDnsBalanceDlg.h"
#include "features/config/view/CDnsParamDlg.h"
#include "features/config/view/CDnsRedirectDlg.h"
#include "features/config/view/CDnsVideoDlg.h"
#include "features/monitor/RealtimeInfo.h"
#include "messaging/EventKinds.h"
#include "shell/CMoxInstanceManager.h"

#include <QStackedWidget>
#include <QVBoxLayout>
#include "shell/MoxText.h"
#include "controls/MoxTr.h"

CDnsSettingDlg::CDnsSettingDlg(QWidget* parent) : CMoxContentView(parent)
{
    const bool oem = CMoxInstanceManager::GetInstanceManager()->Options().IsGuiSwitchOn(CIniOptionFile::GuiSwitch::IsOem);
    tabs_ = new CMoxTabCtrl(this);
    auto* pages = new QStackedWidget(this);
    parameters_ = new CDnsParamDlg(oem, pages);
    redirect_ = new CDnsRedirectDlg(oem, pages);
    video_ = new CDnsVideoDlg(pages);
    balance_ = new CDnsBalanceDlg(pages);
    const std::pair<const char*, QWidget*> kTabs[] = {
        {MoxText::Noop("参数设置"), parameters_}, {MoxText::Noop("域名劫持"), redirect_}, {MoxText::Noop("视频劫持"), video_}, {MoxText::Noop("集群设置"), balance_}};
    for (const auto& [title, page] : kTabs) {
        tabs_->addTab(MoxTr::tr(title));
        pages->addWidget(page);
    }
    connect(tabs_, &CMoxTabCtrl::currentChanged, this, [this, pages](int tab) {
        pages->setCurrentIndex(tab);
        if (tab == eParameters || tab == eRedirect)
            DnsManager_SystemList();
        ReadTabLists(tab);
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(tabs_);
    layout->addWidget(pages, 1);
}

void CDnsSettingDlg::showEvent(QShowEvent* event)
{
    CMoxContentView::showEvent(event);
    if (CMoxInstanceManager::GetInstanceManager()->GetInstance())
        ReadTabLists(tabs_->currentIndex());
}

void CDnsSettingDlg::ReadTabLists(int tab)
{
    switch (tab) {
    case eRedirect:
        redirect_->Refresh();
        break;
    case eVideo:
        video_->Refresh();
        break;
    case eBalance:
        balance_->Refresh();
        break;
    default:
        break;
    }
}

void CDnsSettingDlg::OnChosen()
{
    DnsManager_SystemList();
}

// A new server while the page is shown: what it shows comes from that server now.
void CDnsSettingDlg::OnServerChanged(const ServerPlatform&)
{
    if (!isVisible())
        return;
    DnsManager_SystemList();
    ReadTabLists(tabs_->currentIndex());
}

void CDnsSettingDlg::OnRealtimeRead(int status, const RealtimeInfo& info)
{
    if (status == eMoxEventStatus_Ok)
        parameters_->ShowCacheCount(info.NumOfDNSCaches);
}
