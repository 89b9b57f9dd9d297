#include "gui/ModelledWindowViews.h"

#include "app/console/CMoxCacheAdminDlg.h"
#include "controls/CMoxTabCtrl.h"
#include "controls/CConfirmedCheckBox.h"
#include "controls/CRuleFormDlg.h"
#include "features/access/view/CRewriteManagerDlg.h"
#include "features/access/view/CWhiteListDlg.h"
#include "features/cache/view/CFCacheManagerDlg.h"
#include "features/config/view/CDnsRedirectDlg.h"
#include "features/config/view/CDnsSettingDlg.h"
#include "gui/ModelledExchangeList.h"
#include "gui/ModelledRulePages.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/MainNavigation.h"
#include "support/SimClient.h"

#include <QCheckBox>
#include <QDialog>
#include <QPointer>
#include <QPushButton>

#include <gtest/gtest.h>

namespace morvix::test {

namespace {

class ModelledListView : public ModelledView {
public:
    ModelledListView(CMoxCacheAdminDlg& window, int viewId, std::unique_ptr<ModelledList> list, int firstCount,
                     int secondCount)
        : window_(window), viewId_(viewId), list_(std::move(list)), counts_{firstCount, secondCount}
    {
    }

    ModelledList& List() const { return *list_; }

    std::string Name() const override { return list_->Name(); }
    void Prepare(SimClient& server, int serverIndex) override
    {
        Json::Value generate;
        generate["count"] = counts_[serverIndex];
        server.setState(list_->Family(), generate);
    }
    void Bring() override
    {
        window_.ShowView(viewId_);
        list_->Bring();
    }
    Request ChangeRequest(int) const override { return {list_->Type(), list_->Cmd(ModelledList::eAdd)}; }
    void Change(int serial) override
    {
        QPushButton* add = list_->Button(ModelledList::eAdd);
        ASSERT_TRUE(add && add->isEnabled()) << Name();
        add->click();
        QPointer<QPushButton> ok = list_->FillForm(serial, false);
        ASSERT_TRUE(ok) << Name();
        ok->click();
    }
    bool Idle() const override { return list_->Idle(); }
    // A rule form still open with OK enabled had its reply (refused, lost or unreadable).
    void CloseForm(bool onlyAnswered) override
    {
        QDialog* form = list_->Form();
        if (!form || !form->isVisible())
            return;
        auto* ruleForm = qobject_cast<CRuleFormDlg*>(form);
        if (!onlyAnswered || (ruleForm && ruleForm->OkButton()->isEnabled()))
            form->reject();
    }
    std::vector<std::string> Shown() const override { return list_->Shown(); }
    std::vector<std::string> Held(const Json::Value& state) const override { return list_->Held(state); }

private:
    CMoxCacheAdminDlg& window_;
    int viewId_;
    std::unique_ptr<ModelledList> list_;
    int counts_[2];
};

}  // namespace

std::unique_ptr<ModelledView> ListAsView(CMoxCacheAdminDlg& window, int viewId, std::unique_ptr<ModelledList> list,
                                         int firstServerCount, int secondServerCount)
{
    return std::make_unique<ModelledListView>(window, viewId, std::move(list), firstServerCount, secondServerCount);
}

ModelledWindow ModelWindowViews(CMoxCacheAdminDlg& window, CScriptedUserInteraction& user)
{
    ModelledWindow modelled;
    const auto addList = [&](int viewId, std::unique_ptr<ModelledList> list) {
        auto view = std::make_unique<ModelledListView>(window, viewId, std::move(list), 6, 3);
        modelled.ruleLists.push_back(&view->List());
        modelled.views.push_back(std::move(view));
    };
    auto* cacheRules = dynamic_cast<CFCacheManagerDlg*>(window.View(eView_CacheRules));
    auto* rewrite = dynamic_cast<CRewriteManagerDlg*>(window.View(eView_Rewrite));
    auto* security = dynamic_cast<CWhiteListDlg*>(window.View(eView_Security));
    auto* dns = dynamic_cast<CDnsSettingDlg*>(window.View(eView_DnsRedirect));
    EXPECT_TRUE(cacheRules && rewrite && security && security->WhiteList() && dns);
    if (!cacheRules || !rewrite || !security || !security->WhiteList() || !dns)
        return modelled;
    for (auto& page : ModelCacheRulePages(*cacheRules))
        addList(eView_CacheRules, std::move(page));
    addList(eView_Rewrite, ModelRewritePage(*rewrite->Page()));
    modelled.views.push_back(ModelDiskCache(window, user));
    modelled.views.push_back(ModelCluster(window));
    modelled.views.push_back(ModelRthList(window));
    modelled.views.push_back(ModelSystemSwitches(window));
    modelled.views.push_back(ModelCounters(window));
    modelled.views.push_back(ModelHostMonitor(window));
    const auto listOnTab = [&](int viewId, std::unique_ptr<ModelledList> list, QTabBar& tabs, int tab,
                               std::optional<ServerSwitch> serverSwitch = {}) {
        modelled.views.push_back(OnTab(ListAsView(window, viewId, std::move(list), 6, 3), tabs, tab, user,
                                       std::move(serverSwitch)));
    };
    listOnTab(eView_Security, ModelAddressList(*security->WhiteList(), user), *security->Tabs(), 0,
              ServerSwitch{security->WhiteListSwitch(), {"system", "modify"}, "system", "EnableWhiteList", [] {
                               return CMoxInstanceManager::GetInstanceManager()->GetInstance()->Options().EnableWhiteList != 0;
                           }});
    listOnTab(eView_Security, ModelAddressList(*security->BlackList(), user), *security->Tabs(), 1);
    listOnTab(eView_DnsRedirect, ModelDnsRedirect(*dns->Redirect(), user), *dns->Tabs(), CDnsSettingDlg::eRedirect,
              ServerSwitch{dns->Redirect()->RedirectSwitch(), {"dns", "system-set"}, "dns", "EnableRedirect", {}});
    modelled.views.push_back(ModelDnsBalance(window, *dns, user));
    modelled.views.push_back(ModelDnsVideo(window, *dns, user));
    return modelled;
}

}  // namespace morvix::test
