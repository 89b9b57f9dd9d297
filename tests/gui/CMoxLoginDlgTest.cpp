#include "gui/ConsoleFixture.h"
#include "shell/CIniOptionFile.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/LoginHistory.h"
#include "shell/view/CMoxLoginDlg.h"
#include "shell/view/CMoxLoginNormalDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>

using morvix::test::CallsOf;

namespace {

class LoginView : public ConsoleFixture {
protected:
    static LoginHistory History() { return LoginHistory(CMoxInstanceManager::GetInstanceManager()->DataDir()); }

    static LoginHistoryRecord Record(const std::string& host, const std::string& name, std::int64_t lastTime)
    {
        LoginHistoryRecord record;
        record.host = host;
        record.name = name;
        record.lastTime = lastTime;
        return record;
    }

    static QStringList HostEntries(const CMoxLoginNormalDlg& page)
    {
        QStringList entries;
        for (int index = 0; index < page.HostField()->count(); ++index)
            entries << page.HostField()->itemText(index);
        return entries;
    }

    static void Choose(QComboBox* field, int index)
    {
        field->setCurrentIndex(index);
        emit field->activated(index);
    }
};

}  // namespace

TEST_F(LoginView, FreshInstallOffersTheLocalSimulatorPort)
{
    CIniOptionFile shipped;
    shipped.Init();
    EXPECT_EQ(shipped.ReadHost(), "127.0.0.1");
    EXPECT_EQ(shipped.ReadPort(), "6780");

    std::filesystem::remove(CMoxInstanceManager::GetInstanceManager()->Options().UserFile());
    CMoxLoginDlg view;
    EXPECT_EQ(view.Page()->HostText(), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(view.Page()->Port(), QStringLiteral("6780"));
    EXPECT_EQ(view.Page()->Role(), eMoxRole_Admin);
    EXPECT_TRUE(view.Page()->RememberPassword());
}

TEST_F(LoginView, EnterAfterThePasswordLogsInAndClosesTheView)
{
    CMoxLoginDlg view;
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.Page()->PasswordField()->setText(QStringLiteral("admin"));
    QTest::keyClick(view.Page()->PasswordField(), Qt::Key_Return);

    EXPECT_TRUE(ProcessUntil([&] { return !view.isVisible(); })) << "the view did not close after the login";
    EXPECT_EQ(view.result(), QDialog::Accepted);
    EXPECT_TRUE(CMoxInstanceManager::GetInstanceManager()->GetInstance()->Connected());
    EXPECT_EQ(CallsOf(*sim, "sign", "in").size(), 1u);
}

TEST_F(LoginView, HostListShowsEachServerWithItsNameAndFillsTheRememberedPasswordPerRole)
{
    LoginHistoryRecord office = Record("10.0.0.5:6780", "办公室", 200);
    office.adminPassword = "admin-secret";
    office.saveAdmin = true;
    office.keeperPassword = "keeper-secret";
    office.saveKeeper = true;
    LoginHistoryRecord lab = Record("10.0.0.6:81", "", 100);
    lab.adminPassword = "lab-admin";
    lab.saveAdmin = true;
    ASSERT_TRUE(History().Save(office));
    ASSERT_TRUE(History().Save(lab));
    WriteOptions("Login", {{"host", "10.0.0.5:6780"}, {"user", "0"}});

    CMoxLoginDlg view;
    CMoxLoginNormalDlg* page = view.Page();
    EXPECT_EQ(HostEntries(*page), (QStringList{QStringLiteral("10.0.0.5:6780办公室"), QStringLiteral("10.0.0.6:81")}));
    EXPECT_EQ(page->HostText(), QStringLiteral("10.0.0.5:6780办公室"));
    EXPECT_EQ(page->Password(), QStringLiteral("admin-secret"));
    EXPECT_TRUE(page->RememberPassword());

    Choose(page->RoleField(), page->RoleField()->findData(eMoxRole_Keeper));
    EXPECT_EQ(page->Password(), QStringLiteral("keeper-secret"));

    Choose(page->HostField(), 1);
    EXPECT_TRUE(page->Password().isEmpty()) << "the lab's monitor password was never saved";
    EXPECT_FALSE(page->RememberPassword());

    Choose(page->RoleField(), page->RoleField()->findData(eMoxRole_Admin));
    EXPECT_EQ(page->Password(), QStringLiteral("lab-admin"));
    EXPECT_TRUE(page->RememberPassword());
}

TEST_F(LoginView, DeletedRecordLeavesTheListOnlyAfterYes)
{
    ASSERT_TRUE(History().Save(Record("10.0.0.5:6780", "", 200)));
    ASSERT_TRUE(History().Save(Record("10.0.0.6:6780", "", 100)));
    WriteOptions("Login", {{"host", "10.0.0.6:6780"}});
    {
        CMoxLoginDlg view;
        user.QueueDecision(false);
        view.Page()->OnDeleteRecord();
        EXPECT_EQ(HostEntries(*view.Page()).size(), 2);

        user.QueueDecision(true);
        view.Page()->OnDeleteRecord();
        EXPECT_EQ(HostEntries(*view.Page()), QStringList{QStringLiteral("10.0.0.5:6780")});
        ASSERT_EQ(user.Prompts().size(), 2);
        EXPECT_EQ(user.Prompts()[1].kind, CScriptedUserInteraction::PromptKind::YesNo);
        EXPECT_EQ(user.Prompts()[1].title, QStringLiteral("删除登录记录"));
        EXPECT_EQ(user.Prompts()[1].text, QStringLiteral("您确定要删除此主机的登录记录吗？"));
    }
    EXPECT_EQ(IniProfile(History().FileOf("10.0.0.6:6780")).ReadString("LoginHost", "is_del", "", 8), "1");

    CMoxLoginDlg reopened;
    EXPECT_EQ(HostEntries(*reopened.Page()), QStringList{QStringLiteral("10.0.0.5:6780")});
    EXPECT_EQ(reopened.Page()->HostText(), QStringLiteral("10.0.0.6:6780")) << "the last host is still offered";
}

TEST_F(LoginView, EmptyHostDisablesLoginAndIsRefusedWithAMessage)
{
    CMoxLoginDlg view;
    view.Page()->HostField()->setEditText(QString());
    EXPECT_FALSE(view.LoginButton()->isEnabled());
    view.Page()->HostField()->setEditText(QStringLiteral("  "));
    EXPECT_TRUE(view.LoginButton()->isEnabled());

    view.OnLogin();

    ASSERT_EQ(user.Prompts().size(), 1);
    EXPECT_EQ(user.Prompts()[0].kind, CScriptedUserInteraction::PromptKind::Inform);
    EXPECT_EQ(user.Prompts()[0].title, QStringLiteral("连接"));
    EXPECT_EQ(user.Prompts()[0].text, QStringLiteral("请输入服务器地址"));
    EXPECT_TRUE(sim->requests().empty());
}

TEST_F(LoginView, NameTypedAfterTheHostIsKeptWithTheLogin)
{
    const std::string port = sim->host().substr(sim->host().rfind(':') + 1);
    CMoxLoginDlg view;
    view.show();
    view.Page()->HostField()->setEditText(QStringLiteral("127.0.0.1 测试机"));
    view.Page()->PasswordField()->setText(QStringLiteral("keeper"));
    view.Page()->RoleField()->setCurrentIndex(view.Page()->RoleField()->findData(eMoxRole_Keeper));
    view.Page()->RememberField()->setChecked(false);
    view.LoginButton()->click();
    ASSERT_TRUE(ProcessUntil([&] { return !view.isVisible(); })) << "the login did not succeed";

    const auto saved = History().Find(sim->host());
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->name, "测试机");
    EXPECT_FALSE(saved->saveKeeper);
    EXPECT_TRUE(saved->keeperPassword.empty());
    EXPECT_EQ(CMoxInstanceManager::GetInstanceManager()->Options().ReadUser(), eMoxRole_Keeper);
    EXPECT_EQ(CMoxInstanceManager::GetInstanceManager()->GetInstance()->Host(), "127.0.0.1:" + port);
}
