#include "app/console/CMoxCacheAdminDlg.h"
#include "gui/ConsoleFixture.h"
#include "messaging/EventKinds.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/MainNavigation.h"
#include "shell/view/CModifyPwdDlg.h"
#include "support/EventRecorder.h"

#include <QComboBox>
#include <QLineEdit>

#include <json/value.h>

using morvix::test::CallsOf;

namespace {

class ChangePassword : public ConsoleFixture {
protected:
    CModifyPwdDlg& Open()
    {
        OpenWindow();
        LogIn(QStringLiteral("admin"));
        window->RunCommand(eCmd_ChangePassword);
        dialog = window->ChangePasswordDialog();
        if (!dialog)
            throw std::runtime_error("the change-password window did not open");
        return *dialog;
    }

    void Fill(int account, const QString& oldPassword, const QString& newPassword, const QString& confirmation)
    {
        dialog->AccountField()->setCurrentIndex(dialog->AccountField()->findData(account));
        dialog->OldPasswordField()->setText(oldPassword);
        dialog->NewPasswordField()->setText(newPassword);
        dialog->ConfirmationField()->setText(confirmation);
        dialog->OnOk();
    }

    void ExpectRefused(const QString& text, QLineEdit* focused)
    {
        ASSERT_EQ(user.Prompts().size(), 1);
        EXPECT_EQ(user.Prompts()[0].kind, CScriptedUserInteraction::PromptKind::Inform);
        EXPECT_EQ(user.Prompts()[0].title, QStringLiteral("提示"));
        EXPECT_EQ(user.Prompts()[0].text, text);
        EXPECT_EQ(dialog->focusWidget(), focused);
        EXPECT_TRUE(CallsOf(*sim, "user", "passwd").empty());
        EXPECT_TRUE(window->ChangePasswordDialog());
    }

    static CMoxCacheInstance& Instance() { return *CMoxInstanceManager::GetInstanceManager()->GetInstance(); }

    CModifyPwdDlg* dialog = nullptr;
};

}  // namespace

TEST_F(ChangePassword, WrongOldAdministratorPasswordIsRefusedAndNothingSent)
{
    Open();
    Fill(eMoxRole_Admin, QStringLiteral("Admin"), QStringLiteral("new"), QStringLiteral("new"));
    ExpectRefused(QStringLiteral("旧密码输入错误，请重新输入。"), dialog->OldPasswordField());
}

TEST_F(ChangePassword, EmptyOrUnconfirmedNewPasswordIsRefused)
{
    Open();
    Fill(eMoxRole_Admin, QStringLiteral("admin"), QString(), QString());
    ExpectRefused(QStringLiteral("两次输入的密码不一致。"), dialog->NewPasswordField());

    Fill(eMoxRole_Keeper, QString(), QStringLiteral("one"), QStringLiteral("two"));
    EXPECT_EQ(user.Prompts().size(), 2);
    EXPECT_EQ(user.Prompts()[1].text, QStringLiteral("两次输入的密码不一致。"));
    EXPECT_TRUE(CallsOf(*sim, "user", "passwd").empty());
}

TEST_F(ChangePassword, MonitorPasswordNeedsNoOldPasswordAndLeavesTheAdministratorsLoginAlone)
{
    Open();
    morvix::test::EventRecorder events;
    Fill(eMoxRole_Keeper, QStringLiteral("not checked"), QStringLiteral("k2"), QStringLiteral("k2"));

    ASSERT_TRUE(ProcessUntil([&] { return !window->ChangePasswordDialog(); }))
        << "the window stays open; status: " << StatusText().toStdString();
    const auto sent = CallsOf(*sim, "user", "passwd");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_NE(sent[0].body.find("&Username=keeper&Password=k2"), std::string::npos) << sent[0].body;
    EXPECT_TRUE(events.WaitForStatusText("修改用户密码成功。"));
    EXPECT_EQ(Instance().Password(), "admin") << "the console is still logged in as administrator";
    EXPECT_TRUE(user.Prompts().isEmpty());
}

TEST_F(ChangePassword, ChinesePasswordTravelsAsUtf8AndBecomesTheLoginPassword)
{
    Open();
    Fill(eMoxRole_Admin, QStringLiteral("admin"), QStringLiteral("密码1"), QStringLiteral("密码1"));

    ASSERT_TRUE(ProcessUntil([&] { return !window->ChangePasswordDialog(); }))
        << "the window stays open; status: " << StatusText().toStdString();
    const auto sent = CallsOf(*sim, "user", "passwd");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_NE(sent[0].body.find("&Username=admin&Password=%E5%AF%86%E7%A0%811"), std::string::npos) << sent[0].body;
    EXPECT_EQ(Instance().Password(), "密码1");
}

TEST_F(ChangePassword, RefusedChangeKeepsTheWindowOpen)
{
    Open();
    morvix::test::EventRecorder events;
    Json::Value busy;
    busy["kind"] = "busy";
    busy["type"] = "user";
    busy["cmd"] = "passwd";
    sim->addFault(busy);
    Fill(eMoxRole_Admin, QStringLiteral("admin"), QStringLiteral("other"), QStringLiteral("other"));

    ASSERT_TRUE(events.Next(eMoxCacheEvent_PasswordChanged));
    ASSERT_TRUE(events.WaitForStatusText("修改用户密码失败，服务器忙(错误号:10)。"));
    EXPECT_TRUE(window->ChangePasswordDialog());
    EXPECT_EQ(Instance().Password(), "admin");
}
