#include "controls/CBatchProgressDlg.h"
#include "gui/FCacheViewFixture.h"
#include "messaging/EventKinds.h"
#include "shell/CMoxCacheInstance.h"
#include "transport/CMoxHttpManager.h"

#include <algorithm>

using namespace morvix::test;

namespace {

constexpr char kFCacheDel[] = "type=fcache&cmd=del";
constexpr char kList[] = "type=fcache&cmd=list";

Json::Value SlowDeletions(int milliseconds)
{
    Json::Value fault;
    fault["kind"] = "delay";
    fault["type"] = "fcache";
    fault["cmd"] = "del";
    fault["ms"] = milliseconds;
    return fault;
}

class FCacheDeletion : public FCacheViewFixture {
protected:
    void SelectFirst(int count)
    {
        Select({});
        QItemSelectionModel* selection = Page()->List()->selectionModel();
        for (int row = 0; row < count; ++row)
            selection->select(Page()->List()->model()->index(row, 0),
                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    // Replies that will never come hold request threads; ending the simulator ends them.
    void EndOutstandingExchanges()
    {
        sim.stop();
        EXPECT_TRUE(ProcessUntil([] { return nsMoxHttp::CMoxHttpManager::Instance().RunningExchanges() == 0; }));
    }
};

}  // namespace

TEST_F(FCacheDeletion, UpToFiveGoOutAtOnceAfterOneQuestion)
{
    FillRules(8);
    Open(8);
    const QString keptAfterDeleted = Cell(6, 1);
    sim.addFault(SlowDeletions(2000));
    Select({1, 2, 3, 4, 5});
    answers.QueueDecision(true);
    Button(CRuleListPage::eDelete)->click();

    ASSERT_EQ(answers.Prompts().size(), 1);
    EXPECT_EQ(answers.Prompts()[0].title, "提示");
    EXPECT_EQ(answers.Prompts()[0].text, "您确定要删除选择的页面缓存规则吗？");
    EXPECT_TRUE(Page()->IsBusy());
    EXPECT_EQ(Page()->Deletion()->ProgressWindow(), nullptr);
    ASSERT_TRUE(ProcessUntil([&] { return Logged(kFCacheDel) == 5; }));
    EXPECT_EQ(console.Events().Count(eMoxCacheEvent_FCacheDelete), 0u) << "all five were sent before any reply";

    ASSERT_TRUE(ProcessUntil([&] { return Rows() == 3 && !Page()->IsBusy(); }));
    EXPECT_EQ(Cell(1, 1), keptAfterDeleted);
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(Cell(row, 0), QString::number(row + 1)) << "rows below a deleted one count down";
    EXPECT_EQ(console.Instance().fcacheRules.Size(), 3u);
    EXPECT_EQ(Logged(kList), 1u) << "no refresh after deletions sent at once";
}

TEST_F(FCacheDeletion, SixGoOneByOneBehindTheProgressWindowAndEndWithARefresh)
{
    FillRules(9);
    Open(9);
    sim.clearRequests();
    sim.addFault(SlowDeletions(50));
    SelectFirst(6);
    answers.QueueDecision(true);
    Button(CRuleListPage::eDelete)->click();

    ASSERT_EQ(answers.Prompts().size(), 1);
    EXPECT_EQ(answers.Prompts()[0].title, "删除");
    CBatchProgressDlg* progress = Page()->Deletion()->ProgressWindow();
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(progress->isVisible());
    EXPECT_EQ(progress->StepCount(), 6);

    std::size_t mostInFlight = 0;
    ASSERT_TRUE(ProcessUntil([&] {
        const std::size_t replied = console.Events().Count(eMoxCacheEvent_FCacheDelete);
        mostInFlight = std::max(mostInFlight, Logged(kFCacheDel) - std::min(replied, Logged(kFCacheDel)));
        return !Page()->Deletion()->IsBatchActive();
    }));
    EXPECT_EQ(mostInFlight, 1u) << "one deletion at a time";

    const std::vector<std::string> expected = {kFCacheDel, kFCacheDel, kFCacheDel, kFCacheDel,
                                               kFCacheDel, kFCacheDel, kList};
    EXPECT_EQ(LoggedQueries(sim), expected);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Rows(), 3);
    EXPECT_TRUE(Page()->List()->SelectedRows().empty()) << "the list after a batch selects no row";
    EXPECT_EQ(console.Instance().fcacheRules.Size(), 3u);
}

TEST_F(FCacheDeletion, ABatchWhoseRepliesNeverComeMovesOnAtEachTimeout)
{
    FillRules(7);
    Open(7);
    sim.clearRequests();
    sim.addFault(SlowDeletions(60000));
    Page()->SetBatchStepTimeout(100);
    SelectFirst(6);
    answers.QueueDecision(true);
    Button(CRuleListPage::eDelete)->click();

    ASSERT_TRUE(ProcessUntil([&] { return !Page()->Deletion()->IsBatchActive(); }));
    ASSERT_TRUE(ProcessUntil([&] { return Logged(kFCacheDel) == 6; }));
    // The last deletion and the refresh travel on separate connections, so either may arrive first.
    const std::vector<std::string> queries = LoggedQueries(sim);
    ASSERT_EQ(queries.size(), 7u);
    EXPECT_GE(std::find(queries.begin(), queries.end(), kList) - queries.begin(), 5);
    EXPECT_EQ(console.Events().Count(eMoxCacheEvent_FCacheDelete), 0u);
    EXPECT_TRUE(WaitIdle());
    EndOutstandingExchanges();
}

TEST_F(FCacheDeletion, StoppingABatchAsksFirstThenRefreshes)
{
    FillRules(8);
    Open(8);
    sim.clearRequests();
    sim.addFault(SlowDeletions(60000));
    SelectFirst(7);
    answers.QueueDecision(true);
    Button(CRuleListPage::eDelete)->click();
    CBatchProgressDlg* progress = Page()->Deletion()->ProgressWindow();
    ASSERT_NE(progress, nullptr);
    ASSERT_TRUE(ProcessUntil([&] { return Logged(kFCacheDel) == 1; }));

    answers.QueueDecision(false);
    progress->StopButton()->click();
    EXPECT_TRUE(progress->IsRunning()) << "the operator changed their mind";
    answers.QueueDecision(true);
    progress->StopButton()->click();

    ASSERT_TRUE(ProcessUntil([&] { return !Page()->Deletion()->IsBatchActive(); }));
    ASSERT_EQ(answers.Prompts().size(), 3);
    EXPECT_EQ(answers.Prompts()[1].title, "提示");
    const std::vector<std::string> expected = {kFCacheDel, kList};
    EXPECT_EQ(LoggedQueries(sim), expected);
    EndOutstandingExchanges();
}
