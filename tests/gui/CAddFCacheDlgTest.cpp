#include "controls/CMoxTabCtrl.h"
#include "features/cache/view/CAddFCacheDlg.h"
#include "gui/FCacheViewFixture.h"
#include "integration/OneShotFault.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

using namespace morvix::test;

namespace {

class FCacheForm : public FCacheViewFixture {
protected:
    CAddFCacheDlg* OpenAddForm()
    {
        Button(CRuleListPage::eAdd)->click();
        return Page()->Form();
    }

    bool WaitForLastStatus(const std::string& text)
    {
        return ProcessUntil([&] { return LastStatusText(console.Events().StatusTexts()) == text; });
    }
};

}  // namespace

TEST_F(FCacheForm, AddFormStartsWithItsDefaults)
{
    Open(5);
    CAddFCacheDlg* form = OpenAddForm();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), "增加页面缓存");
    EXPECT_EQ(form->OkButton()->text(), "确定");
    EXPECT_EQ(form->Tabs()->tabText(0), "页面缓存");
    EXPECT_EQ(form->Tabs()->tabText(1), "查看帮助");
    EXPECT_TRUE(form->UrlEdit()->text().isEmpty());
    EXPECT_EQ(form->MatchKindChoice()->currentText(), "通配符");
    EXPECT_EQ(form->MatchKindChoice()->count(), 3);
    EXPECT_TRUE(form->IgnoreCaseBox()->isChecked());
    EXPECT_EQ(form->ExpireEdit()->text(), "30");
    EXPECT_EQ(form->UnitChoice()->currentText(), "分钟");
    EXPECT_EQ(form->OpenLimitChoice()->currentText(), "所有用户");
    EXPECT_TRUE(form->IgnoreCookieButton()->isChecked());
    EXPECT_TRUE(form->DiskCacheButton()->isChecked());

    QTest::keyClicks(form->ExpireEdit(), "x99999");
    EXPECT_EQ(form->ExpireEdit()->text(), "309999") << "digits only, at most 6";
    form->UrlEdit()->setText(QString(1023, QChar(u'u')));
    QTest::keyClicks(form->UrlEdit(), "vw");
    EXPECT_EQ(form->UrlEdit()->text().size(), 1024);
    form->NoteEdit()->setPlainText(QString(300, QChar(u'注')));
    EXPECT_EQ(form->NoteEdit()->toPlainText().size(), CAddFCacheDlg::kNoteLimit);
}

TEST_F(FCacheForm, AnAcceptedAddAppendsTheRuleAndClosesTheForm)
{
    Open(5);
    QPointer<CAddFCacheDlg> form = OpenAddForm();
    ASSERT_TRUE(form);
    form->UrlEdit()->setText("http://new.example.com/a b*");
    form->NoteEdit()->setPlainText("测试");
    form->KeepCookieButton()->setChecked(true);
    form->OkButton()->click();
    EXPECT_FALSE(form->OkButton()->isEnabled()) << "until the reply";

    ASSERT_TRUE(ProcessUntil([&] { return !form && Rows() == 6 && !Page()->IsBusy(); }));
    EXPECT_EQ(Cell(5, 0), "6");
    EXPECT_EQ(Cell(5, 1), "http://new.example.com/a b*");
    EXPECT_EQ(Cell(5, 4), "不忽略");
    EXPECT_TRUE(WaitForLastStatus("增加页面缓存信息成功。"));
    const auto texts = console.Events().StatusTexts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "正在发送增加页面缓存信息的请求，请稍候...."), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "添加到页面缓存列表成功。"), texts.end());

    const std::string body = LoggedBodies(sim, "type=fcache&cmd=add").at(0);
    EXPECT_EQ(body.substr(0, body.find("&SessionID=")),
              "Url=http%3A%2F%2Fnew.example.com%2Fa%20b*&Icase=1&Rules=0&Expire=30&Unit=2&Icookie=0&Olimit=0"
              "&IsDiskCache=1&Note=%E6%B5%8B%E8%AF%95");
    EXPECT_EQ(console.Instance().fcacheRules.Size(), 6u);
}

TEST_F(FCacheForm, ARefusedAddKeepsTheFormOpenWithOkEnabled)
{
    Open(5);
    const QString existing = Cell(0, 1);
    CAddFCacheDlg* form = OpenAddForm();
    form->UrlEdit()->setText(existing);
    form->OkButton()->click();

    ASSERT_TRUE(WaitForLastStatus("增加页面缓存信息失败，要添加的 URL 已经存在或 URL 正则表达式语法错,错误号：30。"));
    const auto texts = console.Events().StatusTexts();
    EXPECT_EQ(texts.at(texts.size() - 2), "添加到页面缓存列表失败，(错误号:30)") << "the form's text follows the handler's";
    EXPECT_EQ(Page()->Form(), form);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->OkButton()->isEnabled());
    EXPECT_TRUE(WaitIdle());
    EXPECT_EQ(Rows(), 5);
}

TEST_F(FCacheForm, AnAddThatCannotReachTheServerLetsTheOperatorTryAgain)
{
    Open(5);
    Json::Value cut;
    cut["kind"] = "close";
    cut["type"] = "fcache";
    cut["cmd"] = "add";
    cut["count"] = 1;
    sim.addFault(cut);
    CAddFCacheDlg* form = OpenAddForm();
    form->UrlEdit()->setText("http://unreached.example.com/");
    form->OkButton()->click();
    // The page then reads the list again, which says whether the add was carried out after all.
    ASSERT_TRUE(ProcessUntil(
        [&] { return console.Events().CountStatusText("增加页面缓存信息失败，无法与服务器建立连接。") == 1; }));
    EXPECT_TRUE(ProcessUntil([&] { return form->OkButton()->isEnabled() && !Page()->IsBusy(); }));
    EXPECT_EQ(Rows(), 5);
}

// OK comes back whenever no accepted reply closes the form: nothing went out, or the reply was unreadable.
TEST_F(FCacheForm, OkComesBackWhenNoAcceptedReplyCame)
{
    struct Case {
        const char* name;
        bool connected;
        const char* fault;  // "" for none
    };
    const Case kCases[] = {{"nothing sent without a session", false, ""}, {"an unreadable reply", true, "not-json"}};
    Open(5);
    CMoxCacheInstance* instance = CMoxInstanceManager::GetInstanceManager()->GetInstance();
    for (const Case& sent : kCases) {
        if (*sent.fault)
            sim.addFault(OneShotFault(sent.fault, "fcache", "add"));
        CAddFCacheDlg* form = OpenAddForm();
        form->UrlEdit()->setText("http://unsent.example.com/");
        instance->SetConnected(sent.connected);
        form->OkButton()->click();
        EXPECT_TRUE(ProcessUntil([&] { return form->OkButton()->isEnabled() && !Page()->IsBusy(); })) << sent.name;
        instance->SetConnected(true);
        form->reject();
    }
    EXPECT_EQ(Rows(), 5);
}

TEST_F(FCacheForm, EnterOnARowOpensItInModifyModeAndOkRewritesTheRow)
{
    Open(5);
    Select({2});
    const std::string wid = console.Instance().fcacheRules.Snapshot().at(2).Wid;
    QTest::keyClick(Page()->List(), Qt::Key_Return);
    QPointer<CAddFCacheDlg> form = Page()->Form();
    ASSERT_TRUE(form);
    EXPECT_EQ(form->windowTitle(), "修改页面缓存");
    EXPECT_EQ(form->OkButton()->text(), "修改");
    EXPECT_EQ(form->UrlEdit()->text(), Cell(2, 1));

    form->ExpireEdit()->setText("45");
    form->UnitChoice()->setCurrentIndex(3);
    form->OkButton()->click();
    ASSERT_TRUE(ProcessUntil([&] { return !form && !Page()->IsBusy(); }));
    EXPECT_EQ(Cell(2, 3), "45 秒");
    EXPECT_EQ(Cell(2, 0), "3");
    EXPECT_TRUE(WaitForLastStatus("修改页面缓存信息成功。"));
    const std::string body = LoggedBodies(sim, "type=fcache&cmd=modify").at(0);
    EXPECT_EQ(body.rfind("Wid=" + wid + "&Url=", 0), 0u) << body;
    EXPECT_EQ(console.Instance().fcacheRules.Find(wid)->Expire, 45);

    Select({});
    QTest::keyClick(Page()->List(), Qt::Key_Return);
    ASSERT_NE(Page()->Form(), nullptr);
    EXPECT_EQ(Page()->Form()->FormMode(), CRuleFormDlg::Mode::Add) << "Enter without a selection adds";
    Page()->Form()->reject();
}
