#include "features/cache/view/CClearCacheDlg.h"
#include "features/cache/view/CClearTipsDlg.h"
#include "features/cache/view/CDiskClearWnd.h"
#include "gui/SimViewFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace morvix::test;

namespace {

class Cleaning : public SimViewFixture {
protected:
    CClearCacheDlg* page = nullptr;

    void SetUp() override { page = Show(std::make_unique<CClearCacheDlg>()); }

    // Answers the open confirmation: the cluster box, then 确定 or 取消.
    void Answer(bool withCluster, bool accept)
    {
        CClearTipsDlg* tips = nullptr;
        for (CClearTipsDlg* open : page->findChildren<CClearTipsDlg*>())
            if (open->isVisible())
                tips = open;
        ASSERT_NE(tips, nullptr);
        EXPECT_EQ(tips->windowTitle(), "清理缓存");
        EXPECT_FALSE(tips->ClusterBox()->isChecked()) << "the box starts unticked";
        tips->ClusterBox()->setChecked(withCluster);
        accept ? tips->accept() : tips->reject();
        DrainHandOvers();
    }
};

}  // namespace

TEST_F(Cleaning, CancelSendsNothingAndTheClusterBoxGivesWithCluster)
{
    struct Case {
        CClearCacheDlg::Command command;
        const char* query;
    } cases[] = {{CClearCacheDlg::eSmartCache, "type=icache&cmd=cleancache"},
                 {CClearCacheDlg::ePageCache, "type=fcache&cmd=cleancache"},
                 {CClearCacheDlg::eSessionCache, "type=scache&cmd=cleancache"},
                 {CClearCacheDlg::eAllCache, "type=allcache&cmd=cleancache"}};
    std::size_t cleanings = 0;
    for (const Case& c : cases) {
        page->CommandButton(c.command)->click();
        Answer(true, false);
        page->CommandButton(c.command)->click();
        Answer(true, true);
        ASSERT_TRUE(ProcessUntil([&] { return Logged(c.query) == 1; })) << c.query;
        EXPECT_TRUE(LastBody(c.query).ends_with("&WithCluster=1")) << c.query;
        cleanings += Logged(c.query);
    }
    EXPECT_EQ(cleanings, 4u) << "nothing went out when cancelled";
}

TEST_F(Cleaning, ConditionalCleaningNeedsAUrlAndSendsTheConditionAsGiven)
{
    QPushButton* byCondition = page->CommandButton(CClearCacheDlg::eByCondition);
    EXPECT_FALSE(byCondition->isEnabled());
    QTest::keyClicks(page->UrlEdit(), "/news/(");
    EXPECT_TRUE(byCondition->isEnabled());
    page->MatchKindChoice()->setCurrentIndex(1);
    page->IgnoreCaseBox()->setChecked(false);
    byCondition->click();
    page->UrlEdit()->setText("changed after the question");
    Answer(false, true);
    ASSERT_TRUE(ProcessUntil([&] { return Logged("type=thiscache&cmd=cleancache") == 1; }));
    EXPECT_EQ(PairsAfterRequestId(LastBody("type=thiscache&cmd=cleancache")),
              "&Url=%2Fnews%2F(&Icase=0&Rules=1&WithCluster=0");
    EXPECT_TRUE(WaitForStatus("清理已缓存的页面失败，要清理的 URL 正则表达式语法错(错误号:32)。"));
}

TEST_F(Cleaning, SingleUrlPageMatchesExactlyIgnoringCase)
{
    page->SingleUrl()->UrlEdit()->setText("http://www.example.com/Index.html");
    page->SingleUrl()->CleanButton()->click();
    Answer(false, true);
    ASSERT_TRUE(ProcessUntil([&] { return Logged("type=thiscache&cmd=cleancache") == 1; }));
    EXPECT_EQ(PairsAfterRequestId(LastBody("type=thiscache&cmd=cleancache")),
              "&Url=http%3A%2F%2Fwww.example.com%2FIndex.html&Icase=1&Rules=2&WithCluster=0");
}
