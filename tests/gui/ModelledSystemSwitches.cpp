#include "app/console/CMoxCacheAdminDlg.h"
#include "features/config/view/CSystemDlg.h"
#include "gui/ModelledWindowViews.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/MainNavigation.h"
#include "support/SimClient.h"

#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace morvix::test {

namespace {

// The three service switches of the system view: a change flips one. Their captions say what
// pressing them will do, so they tell which way the option stands.
struct ModelledSwitch {
    SystemModifyKind kind;
    std::int32_t SystemOptions::*member;
    const char* key;
    const char* whileOn;
};
const ModelledSwitch kSwitches[] = {
    {eSystemModify_MemCacheSwitch, &SystemOptions::IsUsedMemCache, "IsUsedMemCache", "停止缓存加速功能"},
    {eSystemModify_RunningSwitch, &SystemOptions::IsRunning, "IsRunning", "暂停缓存服务"},
    {eSystemModify_PageViewStatSwitch, &SystemOptions::IsUsedPageViewStat, "IsUsedPageViewStat", "停止流量统计功能"},
};

class ModelledSystemSwitches : public ModelledView {
public:
    explicit ModelledSystemSwitches(CMoxCacheAdminDlg& window)
        : window_(window), page_(dynamic_cast<CSystemDlg*>(window.View(eView_System)))
    {
        EXPECT_TRUE(page_);
    }

    std::string Name() const override { return "system switches"; }
    void Prepare(SimClient& server, int serverIndex) override
    {
        Json::Value document = server.state()["system"];
        document["IsUsedMemCache"] = 1 - serverIndex;
        document["IsRunning"] = 1;
        document["IsUsedPageViewStat"] = serverIndex;
        document["IsDiskCache"] = serverIndex;
        document["MaxConnections"] = 5000 + 111 * serverIndex;
        server.setState("system", document);
    }
    void Bring() override { window_.ShowView(eView_System); }
    Request ChangeRequest(int) const override { return {"system", "modify"}; }
    void Change(int serial) override
    {
        QPushButton* button = page_->SwitchButton(kSwitches[serial % 3].kind);
        ASSERT_TRUE(button->isEnabled()) << Name();
        button->click();
    }
    bool Idle() const override
    {
        for (const ModelledSwitch& each : kSwitches)
            if (!page_->SwitchButton(each.kind)->isEnabled())
                return false;
        return true;
    }

    // The view's switches and connection limit, then the instance's copy of the options.
    std::vector<std::string> Shown() const override
    {
        std::vector<std::string> lines{"connections " +
                                       page_->Field(&SystemOptions::MaxConnections)->text().toStdString()};
        for (const ModelledSwitch& each : kSwitches)
            lines.push_back(Line(each.key, page_->SwitchButton(each.kind)->text() == QString::fromUtf8(each.whileOn)));
        const CMoxCacheInstance* instance = CMoxInstanceManager::GetInstanceManager()->GetInstance();
        const SystemOptions options = instance ? instance->Options() : SystemOptions();
        for (const ModelledSwitch& each : kSwitches)
            lines.push_back("instance " + Line(each.key, options.*each.member != 0));
        return lines;
    }
    std::vector<std::string> Held(const Json::Value& state) const override
    {
        const Json::Value& options = state["system"];
        std::vector<std::string> lines{"connections " + options["MaxConnections"].asString()};
        for (const ModelledSwitch& each : kSwitches)
            lines.push_back(Line(each.key, options[each.key].asInt() != 0));
        for (const ModelledSwitch& each : kSwitches)
            lines.push_back("instance " + Line(each.key, options[each.key].asInt() != 0));
        return lines;
    }

private:
    static std::string Line(const char* key, bool on) { return std::string(key) + (on ? " on" : " off"); }

    CMoxCacheAdminDlg& window_;
    CSystemDlg* page_;
};

}  // namespace

std::unique_ptr<ModelledView> ModelSystemSwitches(CMoxCacheAdminDlg& window)
{
    return std::make_unique<ModelledSystemSwitches>(window);
}

}  // namespace morvix::test
