#include "app/console/CMoxCacheAdminDlg.h"
#include "controls/CConfirmedCheckBox.h"
#include "features/config/view/CDiskCacheDlg.h"
#include "features/config/view/CDiskDirUnitWnd.h"
#include "gui/CScriptedUserInteraction.h"
#include "gui/ModelledWindowViews.h"
#include "shell/MainNavigation.h"
#include "support/SimClient.h"

#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace morvix::test {

namespace {

// The cache areas and the master switch: a change enables an area under a new directory or pauses
// one in use, while a list read of the page is still out.
class ModelledDiskCache : public ModelledView {
public:
    ModelledDiskCache(CMoxCacheAdminDlg& window, CScriptedUserInteraction& user)
        : window_(window), user_(user), page_(dynamic_cast<CDiskCacheDlg*>(window.View(eView_DiskCache)))
    {
        EXPECT_TRUE(page_);
    }

    std::string Name() const override { return "disk cache"; }
    void Prepare(SimClient& server, int serverIndex) override
    {
        Json::Value document = server.state()["diskcache"];
        for (Json::ArrayIndex area = 0; area < document["areas"].size(); ++area) {
            Json::Value& entry = document["areas"][area];
            const bool used = area % (2 + serverIndex) == 0;
            const std::string name = std::to_string(serverIndex) + "-" + std::to_string(area);
            entry["Path"] = used ? "/srv" + name : "";
            entry["Enable"] = used ? 1 : 0;
            entry["Status"] = used ? 1 : 0;
            entry["Note"] = used ? "area " + name : "";
        }
        server.setState("diskcache", document);
    }
    void Bring() override { window_.ShowView(eView_DiskCache); }
    Request ChangeRequest(int) const override { return {"diskcache", "set"}; }
    void Change(int serial) override
    {
        CDiskDirUnitWnd* row = page_->Row(serial % CDiskCacheDlg::kShownAreas + 1);
        if (row->Entry().Enable == 0) {
            const QString path = QStringLiteral("/cache-%1").arg(serial);
            row->PathField()->setText(path);
            emit row->PathField()->textEdited(path);
        }
        // Chosen again: the page reads its areas while the change goes out.
        Bring();
        ASSERT_TRUE(row->CommandButton()->isEnabled()) << Name();
        user_.QueueDecision(true);
        row->CommandButton()->click();
    }
    bool Idle() const override { return !page_->IsBusy(); }

    std::vector<std::string> Shown() const override
    {
        std::vector<std::string> lines{"disk cache " + std::to_string(page_->MasterSwitch()->isChecked())};
        for (int diskNo = 1; diskNo <= CDiskCacheDlg::kAreaCount; ++diskNo) {
            const CDiskDirUnitWnd* row = page_->Row(diskNo);
            const DiskCacheEntry& entry = row->Entry();
            lines.push_back(Line(diskNo, entry.Path, row->TypedPath(), entry.Enable, entry.Status, entry.Note));
        }
        return lines;
    }
    std::vector<std::string> Held(const Json::Value& state) const override
    {
        std::vector<std::string> lines{"disk cache " + std::to_string(state["system"]["IsDiskCache"].asInt() != 0)};
        int diskNo = 0;
        for (const Json::Value& area : state["diskcache"]["areas"]) {
            const std::string path = area["Path"].asString();
            lines.push_back(Line(++diskNo, path, path, area["Enable"].asInt(), area["Status"].asInt(),
                                 area["Note"].asString()));
        }
        return lines;
    }

private:
    static std::string Line(int diskNo, const std::string& path, const std::string& typed, int enable, int status,
                            const std::string& note)
    {
        return std::to_string(diskNo) + "|" + path + "|" + typed + "|" + std::to_string(enable) + "|" +
               std::to_string(status) + "|" + note;
    }

    CMoxCacheAdminDlg& window_;
    CScriptedUserInteraction& user_;
    CDiskCacheDlg* page_;
};

}  // namespace

std::unique_ptr<ModelledView> ModelDiskCache(CMoxCacheAdminDlg& window, CScriptedUserInteraction& user)
{
    return std::make_unique<ModelledDiskCache>(window, user);
}

}  // namespace morvix::test
