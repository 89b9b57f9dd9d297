#include "app/console/CMoxCacheAdminDlg.h"
#include "controls/CMoxTabCtrl.h"
#include "controls/CRuleListView.h"
#include "features/monitor/view/CRTHListDlg.h"
#include "features/monitor/view/CRealtimeDlg.h"
#include "features/monitor/view/CRthListAddDlg.h"
#include "features/monitor/view/CRthRequestDlg.h"
#include "gui/ModelledWindowViews.h"
#include "shell/MainNavigation.h"
#include "support/SimClient.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace morvix::test {

namespace {

// The saved monitoring records of the traffic view: a change adds one through the add form.
class ModelledRthList : public ModelledView {
public:
    explicit ModelledRthList(CMoxCacheAdminDlg& window)
        : window_(window), traffic_(dynamic_cast<CRealtimeDlg*>(window.View(eView_Realtime)))
    {
        EXPECT_TRUE(traffic_);
        if (traffic_)
            list_ = traffic_->LiveRequests();
    }

    std::string Name() const override { return "monitoring records"; }
    void Prepare(SimClient& server, int serverIndex) override
    {
        Json::Value generate;
        generate["count"] = 4 + 3 * serverIndex;
        server.setState("rth", generate);
    }
    // Choosing the tab shows the list, which asks for its rows; when it is in front already, the
    // operator refreshes it.
    void Bring() override
    {
        window_.ShowView(eView_Realtime);
        if (traffic_->Tabs()->currentIndex() != CRealtimeDlg::eTab_LiveRequests)
            traffic_->Tabs()->setCurrentIndex(CRealtimeDlg::eTab_LiveRequests);
        else if (list_->CommandButton(CRuleListPage::eRefresh)->isEnabled())
            list_->CommandButton(CRuleListPage::eRefresh)->click();
    }
    Request ChangeRequest(int) const override { return {"rth", "add"}; }
    void Change(int serial) override
    {
        list_->CommandButton(CRuleListPage::eAdd)->click();
        CRthListAddDlg* form = list_->AddForm();
        ASSERT_TRUE(form) << Name();
        form->UrlEdit()->setText(QStringLiteral("/watch-%1/*").arg(serial));
        form->TitleEdit()->setText(QStringLiteral("watch %1").arg(serial));
        form->MatchKindChoice()->setCurrentIndex(serial % 3);
        form->IgnoreCaseBox()->setChecked(serial % 2 == 0);
        form->OkButton()->click();
    }
    bool Idle() const override { return !list_->IsBusy() && !list_->AddForm(); }
    // An add form still open with OK enabled had its reply.
    void CloseForm(bool onlyAnswered) override
    {
        CRthListAddDlg* form = list_->AddForm();
        if (form && form->isVisible() && (!onlyAnswered || form->OkButton()->isEnabled()))
            form->reject();
    }

    std::vector<std::string> Shown() const override
    {
        const QAbstractItemModel* model = list_->List()->model();
        std::vector<std::string> lines;
        for (int row = 0; row < model->rowCount(); ++row) {
            std::string line;
            for (int column = 1; column < model->columnCount(); ++column)
                line += model->data(model->index(row, column)).toString().toStdString() + "|";
            lines.push_back(line);
        }
        return lines;
    }
    std::vector<std::string> Held(const Json::Value& state) const override
    {
        static const char* const kRules[] = {"通配符", "正则表达式", "精确匹配"};
        std::vector<std::string> lines;
        for (const Json::Value& entry : state["rth"]["entries"])
            lines.push_back(entry["Title"].asString() + "|" + entry["RequestUrl"].asString() + "|" +
                            (entry["Icase"].asString() == "1" ? "忽略" : "不忽略") + "|" +
                            kRules[std::stoi(entry["Rules"].asString()) % 3] + "|");
        return lines;
    }

private:
    CMoxCacheAdminDlg& window_;
    CRealtimeDlg* traffic_;
    CRTHListDlg* list_ = nullptr;
};

}  // namespace

std::unique_ptr<ModelledView> ModelRthList(CMoxCacheAdminDlg& window)
{
    return std::make_unique<ModelledRthList>(window);
}

}  // namespace morvix::test
