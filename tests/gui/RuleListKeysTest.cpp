#include "features/cache/view/CAddFCacheDlg.h"
#include "gui/FCacheViewFixture.h"

#include <QLineEdit>
#include <QPointer>
#include <QTest>

using namespace morvix::test;

namespace {

constexpr char kList[] = "type=fcache&cmd=list";
constexpr char kDel[] = "type=fcache&cmd=del";

// The page cache list with the keyboard in its table, on one row.
class RuleListKeys : public FCacheViewFixture {
protected:
    CRuleListView* List() { return Page()->List(); }

    void OpenWithKeyboardOnRow(int rules, int row)
    {
        FillRules(rules);
        Open(rules);
        ASSERT_TRUE(PutKeyboardOnRow(List(), row));
    }
};

}  // namespace

TEST_F(RuleListKeys, F5RefreshesAndTheKeyboardStaysOnItsRow)
{
    OpenWithKeyboardOnRow(6, 3);
    const std::size_t listsBefore = Logged(kList);
    QTest::keyClick(List(), Qt::Key_F5);
    ASSERT_TRUE(ProcessUntil([&] { return Logged(kList) == listsBefore + 1 && !Page()->IsBusy(); }));
    EXPECT_EQ(List()->SelectedRows(), std::vector<int>{3});
    EXPECT_EQ(List()->currentIndex().row(), 3);
    QTest::keyClick(List(), Qt::Key_Down);
    EXPECT_EQ(List()->SelectedRows(), std::vector<int>{4}) << "the arrows go on from the kept row";
}

TEST_F(RuleListKeys, DeleteAsksFirstThenDeletesTheSelection)
{
    OpenWithKeyboardOnRow(4, 1);
    answers.QueueDecision(false);
    QTest::keyClick(List(), Qt::Key_Delete);
    ASSERT_EQ(answers.Prompts().size(), 1);
    EXPECT_EQ(answers.Prompts()[0].text, "您确定要删除选择的页面缓存规则吗？");
    EXPECT_EQ(Logged(kDel), 0u) << "refused: nothing is deleted";

    answers.QueueDecision(true);
    QTest::keyClick(List(), Qt::Key_Delete);
    ASSERT_TRUE(ProcessUntil([&] { return Rows() == 3 && !Page()->IsBusy(); }));
    EXPECT_EQ(Logged(kDel), 1u);
}

TEST_F(RuleListKeys, EnterOpensTheSelectedRulesFormAndEscapeClosesIt)
{
    OpenWithKeyboardOnRow(3, 2);
    const QString url = Cell(2, 1);
    QTest::keyClick(List(), Qt::Key_Return);
    QPointer<CAddFCacheDlg> form = Page()->Form();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->FormMode(), CRuleFormDlg::Mode::Modify);
    EXPECT_EQ(form->findChild<QLineEdit*>()->text(), url);

    QTest::keyClick(form, Qt::Key_Escape);
    ASSERT_TRUE(ProcessUntil([&] { return form.isNull(); }));
    EXPECT_TRUE(answers.Prompts().isEmpty());
}
