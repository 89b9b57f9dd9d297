#include "app/console/CMoxCacheAdminDlg.h"
#include "controls/CConfirmedCheckBox.h"
#include "controls/CMoxTabCtrl.h"
#include "features/config/view/CDnsBalanceDlg.h"
#include "features/config/view/CDnsSettingDlg.h"
#include "features/config/view/CDnsVideoDlg.h"
#include "gui/CScriptedUserInteraction.h"
#include "gui/ModelledWindowViews.h"
#include "shell/MainNavigation.h"
#include "support/SimClient.h"

#include <QRadioButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace morvix::test {

namespace {

// A tab of the DNS page whose change is answered by one confirmation.
class ModelledDnsTab : public ModelledView {
public:
    ModelledDnsTab(CMoxCacheAdminDlg& window, CDnsSettingDlg& page, int tab, CScriptedUserInteraction& user)
        : window_(window), page_(page), tab_(tab), user_(user)
    {
    }

    void Bring() override
    {
        page_.Tabs()->setCurrentIndex(tab_);
        window_.ShowView(eView_DnsRedirect);
    }

protected:
    // The server's DNS redirect document, changed and put back.
    static void ChangeRedirectState(SimClient& server, const std::function<void(Json::Value&)>& change)
    {
        Json::Value document = server.state()["dnsredirect"];
        change(document);
        server.setState("dnsredirect", document);
    }

    CMoxCacheAdminDlg& window_;
    CDnsSettingDlg& page_;
    int tab_;
    CScriptedUserInteraction& user_;
};

class ModelledDnsBalance : public ModelledDnsTab {
public:
    using ModelledDnsTab::ModelledDnsTab;

    std::string Name() const override { return "dns balance"; }
    // Modes and hosts of their own: the second server keeps only its first host.
    void Prepare(SimClient& server, int serverIndex) override
    {
        Json::Value system = server.state()["system"];
        system["DNSRedirectBalanceType"] = serverIndex == 0 ? 0 : 3;
        server.setState("system", system);
        if (serverIndex == 1)
            ChangeRedirectState(server, [](Json::Value& document) { document["balance"].resize(1); });
    }
    Request ChangeRequest(int) const override { return {"dns", "system-set"}; }
    void Change(int serial) override
    {
        CDnsBalanceDlg& balance = *page_.Balance();
        user_.QueueDecision(true);
        balance.ModeChoice((balance.Mode() + 1 + serial % 3) % CDnsBalanceDlg::kModeCount)->click();
    }
    bool Idle() const override { return !page_.Balance()->IsBusy() && !page_.Balance()->Editor(); }

    std::vector<std::string> Shown() const override
    {
        const CDnsBalanceDlg& balance = *page_.Balance();
        std::vector<std::string> lines;
        for (int mode = 0; mode < CDnsBalanceDlg::kModeCount; ++mode)
            if (balance.ModeChoice(mode)->isChecked())
                lines.push_back("mode " + std::to_string(mode));
        for (int row = 0; row < balance.HostList()->topLevelItemCount(); ++row) {
            const QTreeWidgetItem* host = balance.HostList()->topLevelItem(row);
            lines.push_back(host->text(0).toStdString() + "|" + host->text(4).toStdString());
        }
        return lines;
    }
    std::vector<std::string> Held(const Json::Value& state) const override
    {
        std::vector<std::string> lines{"mode " + state["system"]["DNSRedirectBalanceType"].asString()};
        for (const Json::Value& host : state["dnsredirect"]["balance"])
            lines.push_back(host["IP"].asString() + "|" + host["Note"].asString());
        return lines;
    }
};

class ModelledDnsVideo : public ModelledDnsTab {
public:
    using ModelledDnsTab::ModelledDnsTab;

    std::string Name() const override { return "dns video"; }
    // The second server lists the sites the other way round, each switched the other way.
    void Prepare(SimClient& server, int serverIndex) override
    {
        if (serverIndex == 0)
            return;
        ChangeRedirectState(server, [](Json::Value& document) {
            Json::Value reversed(Json::arrayValue);
            for (Json::ArrayIndex index = document["classes"].size(); index-- > 0;) {
                Json::Value site = document["classes"][index];
                site["Enable"] = 1 - site["Enable"].asInt();
                reversed.append(site);
            }
            document["classes"] = reversed;
        });
    }
    Request ChangeRequest(int) const override { return {"dns", "redirectclass-mod"}; }
    void Change(int serial) override
    {
        const int sites = static_cast<int>(Shown().size());
        ASSERT_GT(sites, 0) << Name();
        user_.QueueDecision(true);
        page_.Video()->ClassBox(serial % sites)->click();
    }
    bool Idle() const override { return !page_.Video()->IsBusy(); }

    std::vector<std::string> Shown() const override
    {
        std::vector<std::string> lines;
        for (int index = 0; index < CDnsVideoDlg::kMostClasses; ++index) {
            const CConfirmedCheckBox* box = page_.Video()->ClassBox(index);
            if (!box->isHidden())
                lines.push_back(box->text().toStdString() + (box->isChecked() ? " on" : " off"));
        }
        return lines;
    }
    std::vector<std::string> Held(const Json::Value& state) const override
    {
        std::vector<std::string> lines;
        for (const Json::Value& site : state["dnsredirect"]["classes"])
            if (lines.size() < CDnsVideoDlg::kMostClasses)
                lines.push_back(site["Name"].asString() + (site["Enable"].asInt() != 0 ? " on" : " off"));
        return lines;
    }
};

}  // namespace

std::unique_ptr<ModelledView> ModelDnsBalance(CMoxCacheAdminDlg& window, CDnsSettingDlg& page,
                                              CScriptedUserInteraction& user)
{
    return std::make_unique<ModelledDnsBalance>(window, page, CDnsSettingDlg::eBalance, user);
}

std::unique_ptr<ModelledView> ModelDnsVideo(CMoxCacheAdminDlg& window, CDnsSettingDlg& page,
                                            CScriptedUserInteraction& user)
{
    return std::make_unique<ModelledDnsVideo>(window, page, CDnsSettingDlg::eVideo, user);
}

}  // namespace morvix::test
