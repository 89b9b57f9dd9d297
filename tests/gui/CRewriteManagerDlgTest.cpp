#include "controls/CBatchProgressDlg.h"
#include "features/access/RewriteColumns.h"
#include "features/access/view/CRewriteManagerDlg.h"
#include "gui/SimViewFixture.h"
#include "shell/CMoxCacheInstance.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace morvix::test;

namespace {

class RewriteView : public SimViewFixture {
protected:
    CRewritePage* page = nullptr;

    void Open(int rules)
    {
        Fill("rewrite", rules);
        page = Show(std::make_unique<CRewriteManagerDlg>())->Page();
        ASSERT_TRUE(ProcessUntil([&] { return Rows(page->List()) == rules && !page->IsBusy(); }));
    }
    bool Enabled(CRuleListPage::Command command) const { return page->CommandButton(command)->isEnabled(); }
};

}  // namespace

TEST_F(RewriteView, ShowsTheRulesAndOffersWhatTheSelectionAllows)
{
    Open(4);
    EXPECT_EQ(Logged("type=rewrite&cmd=list"), 1u);
    EXPECT_EQ(console.Instance().rewriteRules.Size(), 4u);
    EXPECT_FALSE(Enabled(CRuleListPage::eDelete));
    Select(page->List(), {0, 1, 2});
    EXPECT_TRUE(Enabled(CRuleListPage::eDelete));
    EXPECT_FALSE(Enabled(CRuleListPage::eUp) || Enabled(CRuleListPage::eDown) || Enabled(CRuleListPage::eModify));
    Select(page->List(), {3});
    EXPECT_TRUE(Enabled(CRuleListPage::eUp));
    EXPECT_FALSE(Enabled(CRuleListPage::eDown));

    RewriteRule unknownFlag;
    unknownFlag.Flag = 7;
    EXPECT_EQ(RewriteColumnText(unknownFlag, 4), "");
}

TEST_F(RewriteView, AnAddedRuleComesLastAndAMoveExchangesRows)
{
    Open(3);
    page->CommandButton(CRuleListPage::eAdd)->click();
    QPointer<CRewriteUrlAddDlg> form = page->Form();
    ASSERT_TRUE(form);
    EXPECT_EQ(form->windowTitle(), "增加转向配置");
    form->SourceUrlEdit()->setText("/old/*");
    form->DestinationUrlEdit()->setText("http://new.example.com/");
    form->FlagChoice()->setCurrentIndex(2);
    form->OkButton()->click();
    ASSERT_TRUE(ProcessUntil([&] { return form.isNull() && Rows(page->List()) == 4; }));
    EXPECT_EQ(Cell(page->List(), 3, 0), "4");
    EXPECT_EQ(Cell(page->List(), 3, 4), "Round");
    EXPECT_TRUE(WaitForStatus("增加转向配置信息成功。"));

    const QString moved = Cell(page->List(), 3, 1);
    Select(page->List(), {3});
    page->CommandButton(CRuleListPage::eUp)->click();
    ASSERT_TRUE(ProcessUntil([&] { return Cell(page->List(), 2, 1) == moved && !page->IsBusy(); }));
    EXPECT_EQ(page->List()->SelectedRows(), std::vector<int>{2});
    EXPECT_EQ(Cell(page->List(), 2, 0), "3");
}

TEST_F(RewriteView, FiveDeletionsGoAtOnceUnderTipsAndSixBehindTheBatchWindow)
{
    Open(12);
    Select(page->List(), FirstRows(5));
    answers.QueueDecision(true);
    page->CommandButton(CRuleListPage::eDelete)->click();
    ASSERT_EQ(answers.Prompts().size(), 1);
    EXPECT_EQ(answers.Prompts()[0].title, "提示");
    EXPECT_EQ(answers.Prompts()[0].text, "您确定要删除选择的转向配置信息吗？");
    ASSERT_TRUE(ProcessUntil([&] { return Rows(page->List()) == 7 && !page->IsBusy(); }));
    for (int row = 0; row < 7; ++row)
        EXPECT_EQ(Cell(page->List(), row, 0), QString::number(row + 1));

    Select(page->List(), FirstRows(6));
    answers.QueueDecision(true);
    page->CommandButton(CRuleListPage::eDelete)->click();
    ASSERT_EQ(answers.Prompts().size(), 2);
    EXPECT_EQ(answers.Prompts()[1].title, "删除");
    CBatchProgressDlg* progress = page->Deletion()->ProgressWindow();
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(progress->StopButton()->text(), "停止删除");
    EXPECT_EQ(progress->findChild<QLabel*>()->text(), "正在删除选中的转向列表，请稍候 .......");
    ASSERT_TRUE(ProcessUntil([&] { return !page->Deletion()->IsBatchActive() && !page->IsBusy(); }));
    EXPECT_EQ(Rows(page->List()), 1);
    EXPECT_EQ(Logged("type=rewrite&cmd=del"), 11u);
    EXPECT_EQ(Logged("type=rewrite&cmd=list"), 2u);
}
