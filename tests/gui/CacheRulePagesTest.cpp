#include "controls/CMoxTabCtrl.h"
#include "features/cache/view/AddSCacheDlg.h"
#include "features/cache/view/CAddRCacheDlg.h"
#include "features/cache/view/CFCacheManagerDlg.h"
#include "features/cache/view/CMoxSCacheDlg.h"
#include "features/cache/view/CRCacheManagerDlg.h"
#include "gui/SimViewFixture.h"
#include "shell/CMoxCacheInstance.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace morvix::test;

namespace {

class CacheRulePages : public SimViewFixture {
protected:
    CFCacheManagerDlg* manager = nullptr;

    void Open(CFCacheManagerDlg::Page page)
    {
        manager = Show(std::make_unique<CFCacheManagerDlg>());
        manager->ShowPage(page);
    }
};

}  // namespace

TEST_F(CacheRulePages, RefusePageListsAndAddsWithTheCacheLocationChosen)
{
    Fill("rcache", 4);
    Open(CFCacheManagerDlg::eRefuseCache);
    CRCacheManagerDlg* page = manager->RefuseCache();
    ASSERT_TRUE(ProcessUntil([&] { return Rows(page->List()) == 4 && !page->IsBusy(); }));
    EXPECT_EQ(page->List()->model()->headerData(1, Qt::Horizontal).toString(), "拒绝缓存地址URL");
    EXPECT_EQ(console.Instance().rcacheRules.Size(), 4u);

    page->CommandButton(CRuleListPage::eAdd)->click();
    QPointer<CAddRCacheDlg> form = page->Form();
    ASSERT_TRUE(form);
    EXPECT_EQ(form->windowTitle(), "增加拒绝缓存");
    EXPECT_TRUE(form->BothCachesButton()->isChecked()) << "a new rule refuses both caches";
    form->UrlEdit()->setText("/private/*");
    form->OkButton()->click();
    ASSERT_TRUE(ProcessUntil([&] { return form.isNull() && Rows(page->List()) == 5; }));
    EXPECT_NE(LastBody("type=rcache&cmd=add").find("&CacheLocation=0&"), std::string::npos);
    EXPECT_EQ(Cell(page->List(), 4, 0), "5");
    EXPECT_EQ(Cell(page->List(), 4, 4), "拒绝双缓存");
    EXPECT_TRUE(WaitForStatus("增加拒绝缓存信息成功。"));
}

TEST_F(CacheRulePages, SessionPageEncodesTheCookieNameAndShowsSeconds)
{
    Fill("scache", 0);
    Open(CFCacheManagerDlg::eSessionCache);
    CMoxSCacheDlg* page = manager->SessionCache();
    ASSERT_TRUE(ProcessUntil([&] { return Logged("type=scache&cmd=list") == 1 && !page->IsBusy(); }));

    page->CommandButton(CRuleListPage::eAdd)->click();
    QPointer<AddSCacheDlg> form = page->Form();
    ASSERT_TRUE(form);
    EXPECT_EQ(form->ExpireEdit()->text(), "60");
    form->ActionUrlEdit()->setText("/login.php");
    form->CookieNameEdit()->setText("sid a&b");
    form->ExpireEdit()->setText("3600");
    form->OkButton()->click();
    ASSERT_TRUE(ProcessUntil([&] { return form.isNull() && Rows(page->List()) == 1; }));
    EXPECT_NE(LastBody("type=scache&cmd=add").find("&SetCookieSessionID=sid%20a%26b&SessionExpire=3600&"),
              std::string::npos);
    EXPECT_EQ(Cell(page->List(), 0, 4), "3600 秒");

    Select(page->List(), {0});
    answers.QueueDecision(true);
    page->CommandButton(CRuleListPage::eDelete)->click();
    ASSERT_EQ(answers.Prompts().size(), 1);
    EXPECT_EQ(answers.Prompts()[0].text, "您确定要删除选择的回话缓存规则吗？");
    ASSERT_TRUE(ProcessUntil([&] { return Rows(page->List()) == 0 && !page->IsBusy(); }));
}

TEST_F(CacheRulePages, EachTabAsksForItsOwnListAndTheHelpOpensOnce)
{
    Open(CFCacheManagerDlg::ePageCache);
    ASSERT_TRUE(ProcessUntil([&] { return Logged("type=fcache&cmd=list") == 1; }));
    manager->Tabs()->setCurrentIndex(CFCacheManagerDlg::eRefuseCache);
    manager->Tabs()->setCurrentIndex(CFCacheManagerDlg::eSessionCache);
    ASSERT_TRUE(ProcessUntil(
        [&] { return Logged("type=rcache&cmd=list") == 1 && Logged("type=scache&cmd=list") == 1; }));
    manager->Tabs()->setCurrentIndex(CFCacheManagerDlg::eHelp);
    manager->Tabs()->setCurrentIndex(CFCacheManagerDlg::eCleaning);
    manager->Tabs()->setCurrentIndex(CFCacheManagerDlg::eHelp);
    EXPECT_EQ(answers.OpenedUrls().size(), 1) << "the help loads on its first showing only";
    ASSERT_TRUE(ProcessUntil([&] { return !manager->SessionCache()->IsBusy() && !manager->RefuseCache()->IsBusy(); }));
}
