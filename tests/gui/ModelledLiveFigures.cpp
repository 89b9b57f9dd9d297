#include "app/console/CMoxCacheAdminDlg.h"
#include "controls/CRuleListView.h"
#include "features/monitor/view/CFigureBox.h"
#include "features/monitor/view/CHostMonitorDlg.h"
#include "features/monitor/view/CRealtimeDlg.h"
#include "features/monitor/view/CRealtimeRunParamDlg.h"
#include "features/monitor/view/CRunParamWnd.h"
#include "gui/ModelledWindowViews.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/MainNavigation.h"
#include "support/SimClient.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace morvix::test {

namespace {

// The live figures change by themselves; what tells the servers apart is what each holds fixed:
// a page cache filled beyond what the server adds by itself keeps its size, and each server
// proxies hosts of its own. A figure or a host of the other server shown after a switch fails.

// The cached pages of the traffic view's figures and counter table, and of the instance's copy.
class ModelledCounters : public ModelledView {
public:
    explicit ModelledCounters(CMoxCacheAdminDlg& window)
        : window_(window), traffic_(dynamic_cast<CRealtimeDlg*>(window.View(eView_Realtime)))
    {
        EXPECT_TRUE(traffic_);
        // Built now, so the table hears every counters reply.
        if (traffic_)
            table_ = traffic_->Counters();
    }

    std::string Name() const override { return "counters"; }
    void Prepare(SimClient& server, int serverIndex) override
    {
        Json::Value generate;
        generate["count"] = 2100 + 150 * serverIndex;
        server.setState("cachedpages", generate);
    }
    void Bring() override { window_.ShowView(eView_Realtime); }
    bool Idle() const override { return true; }

    std::vector<std::string> Shown() const override
    {
        const CMoxCacheInstance* instance = CMoxInstanceManager::GetInstanceManager()->GetInstance();
        const RealtimeInfo info = instance ? instance->Realtime() : RealtimeInfo();
        return {"figure " + traffic_->Figures()->Box(CRealtimeRunParamDlg::eFigure_CachedPages)->Value().toStdString(),
                "table " + table_->ValueText(kCachedPagesRow).toStdString(),
                "instance " + std::to_string(info.NumOfCaches) + " pages " + std::to_string(info.CacheUsedMemSize) +
                    " KB"};
    }
    std::vector<std::string> Held(const Json::Value& state) const override
    {
        const Json::Value& pages = state["cachedpages"]["pages"];
        double sizeKB = 0;
        for (const Json::Value& page : pages)
            sizeKB += page["sizeKB"].asDouble();
        const std::string count = std::to_string(pages.size());
        return {"figure " + count, "table " + count,
                "instance " + count + " pages " + std::to_string(std::llround(sizeKB)) + " KB"};
    }

private:
    static constexpr int kCachedPagesRow = 5;  // "当前页面缓存数量："

    CMoxCacheAdminDlg& window_;
    CRealtimeDlg* traffic_;
    CRunParamWnd* table_ = nullptr;
};

// The hosts of the host monitor; its figures move with the traffic, so only which hosts it lists.
class ModelledHostMonitor : public ModelledView {
public:
    explicit ModelledHostMonitor(CMoxCacheAdminDlg& window)
        : window_(window), monitor_(dynamic_cast<CHostMonitorDlg*>(window.View(eView_HostMonitor)))
    {
        EXPECT_TRUE(monitor_);
    }

    std::string Name() const override { return "host monitor"; }
    void Prepare(SimClient& server, int serverIndex) override
    {
        Json::Value document = server.state()["proxy"];
        Json::Value hosts(Json::arrayValue);
        for (Json::Value host : document["hosts"]) {
            host["Host"] = "s" + std::to_string(serverIndex) + "." + host["Host"].asString();
            hosts.append(host);
        }
        if (serverIndex == 1)
            hosts.resize(hosts.size() - 1);
        document["hosts"] = hosts;
        server.setState("proxy", document);
    }
    // Showing the view starts its monitoring, which asks for the hosts at once.
    void Bring() override { window_.ShowView(eView_HostMonitor); }
    bool Idle() const override { return true; }

    std::vector<std::string> Shown() const override
    {
        const QAbstractItemModel* model = monitor_->List()->model();
        std::vector<std::string> hosts;
        for (int row = 0; row < model->rowCount(); ++row)
            hosts.push_back(model->data(model->index(row, kHostColumn)).toString().toStdString());
        std::sort(hosts.begin(), hosts.end());
        return hosts;
    }
    std::vector<std::string> Held(const Json::Value& state) const override
    {
        std::vector<std::string> hosts;
        for (const Json::Value& host : state["proxy"]["hosts"])
            hosts.push_back(host["Host"].asString());
        std::sort(hosts.begin(), hosts.end());
        return hosts;
    }

private:
    static constexpr int kHostColumn = 1;  // "域名"

    CMoxCacheAdminDlg& window_;
    CHostMonitorDlg* monitor_;
};

}  // namespace

std::unique_ptr<ModelledView> ModelCounters(CMoxCacheAdminDlg& window)
{
    return std::make_unique<ModelledCounters>(window);
}

std::unique_ptr<ModelledView> ModelHostMonitor(CMoxCacheAdminDlg& window)
{
    return std::make_unique<ModelledHostMonitor>(window);
}

}  // namespace morvix::test
