#include "app/console/KeyringPasswordStore.h"
#include "gui/ConsoleFixture.h"
#include "gui/SecretServiceSession.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/IniProfile.h"
#include "shell/LoginHistory.h"
#include "shell/SavedPasswordCipher.h"
#include "shell/view/CMoxLoginDlg.h"
#include "shell/view/CMoxLoginNormalDlg.h"
#include "support/RunShell.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include <filesystem>
#include <optional>

namespace {

// The login view against a real Secret Service (an unlocked gnome-keyring on a session bus of the
// test's own) or without one, as on a headless machine.
class SavedPasswords : public ConsoleFixture {
protected:
    void TearDown() override
    {
        ISavedPasswordStore::Install(nullptr);
        ConsoleFixture::TearDown();
    }

    static LoginHistory History(ISavedPasswordStore* store)
    {
        return LoginHistory(CMoxInstanceManager::GetInstanceManager()->DataDir(), store);
    }

    std::string FileValue(const std::string& key) const
    {
        return IniProfile(History(nullptr).FileOf(sim->host())).ReadString("LoginHost", key, "(missing)", 512);
    }

    // Read with libsecret's own tool, not through the console, so a wrong key or service shows.
    std::optional<std::string> KeyringEntry(const char* role) const
    {
        std::string out;
        const std::string command = "secret-tool lookup server morvix-console user " + std::string(role) + "@" +
                                    sim->host() + " 2>/dev/null";
        if (morvix::test::RunShell(command, &out) != 0)
            return std::nullopt;
        return out;
    }

    // Signs in from a fresh login view with what it offers, typing the password only if it offers
    // none; the view's password and tooltip as it opened.
    std::pair<QString, QString> SignInFromTheView(const QString& typed)
    {
        CMoxLoginDlg view;
        const QString offered = view.Page()->Password();
        const QString tip = view.Page()->RememberField()->toolTip();
        view.show();
        if (offered.isEmpty())
            view.Page()->PasswordField()->setText(typed);
        view.LoginButton()->click();
        EXPECT_TRUE(ProcessUntil([&] { return !view.isVisible(); })) << "the login did not succeed";
        return {offered, tip};
    }
};

}  // namespace

TEST_F(SavedPasswords, ARememberedPasswordGoesToTheKeyringWhereOneRunsAndOldFilesMoveThere)
{
    struct Case {
        const char* name;
        bool keyring;
        bool oldEncipheredFile;
    };
    const Case cases[] = {
        {"keyring present", true, false},
        {"keyring absent", false, false},
        {"old enciphered file migrating", true, true},
    };
    const std::string why = SecretServiceSession::Start();
    if (!why.empty())
        GTEST_SKIP() << "no Secret Service could be started: " << why;
    KeyringPasswordStore keyring;

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(History(nullptr).Directory());
        keyring.Forget(sim->host(), eMoxRole_Admin);
        keyring.Forget(sim->host(), eMoxRole_Keeper);
        WriteOptions("Login", {{"host", sim->host()}});
        if (c.oldEncipheredFile) {
            LoginHistoryRecord old;
            old.host = sim->host();
            old.saveAdmin = old.saveKeeper = true;
            old.adminPassword = "admin";
            old.keeperPassword = "keeper";
            ASSERT_TRUE(History(nullptr).Save(old));
            ASSERT_FALSE(FileValue("keeper_passwd").empty());
        }
        ISavedPasswordStore::Install(c.keyring ? &keyring : nullptr);

        const auto [offered, tip] = SignInFromTheView(QStringLiteral("admin"));
        EXPECT_EQ(offered, c.oldEncipheredFile ? QStringLiteral("admin") : QString()) << "the old file signs in";
        EXPECT_EQ(tip.contains(QStringLiteral("密钥环中")), c.keyring) << tip.toStdString();
        EXPECT_EQ(tip.contains(QString::fromStdString(History(nullptr).Directory().string())), !c.keyring)
            << tip.toStdString();

        EXPECT_EQ(FileValue("is_save_admin"), "1");
        EXPECT_EQ(FileValue("admin_passwd"), c.keyring ? "" : SavedPasswordCipher::Encode("admin"));
        EXPECT_EQ(KeyringEntry("admin"), c.keyring ? std::optional<std::string>("admin") : std::nullopt);
        if (c.oldEncipheredFile) {
            EXPECT_EQ(FileValue("is_save_keeper"), "1");
            EXPECT_EQ(FileValue("keeper_passwd"), "") << "the other role's password moved too";
            EXPECT_EQ(KeyringEntry("keeper"), "keeper");
        }
        EXPECT_EQ(SignInFromTheView(QString()).first, QStringLiteral("admin")) << "the next start offers it again";
    }
}

TEST_F(SavedPasswords, DeletingARecordTakesItsPasswordsOutOfTheKeyring)
{
    const std::string why = SecretServiceSession::Start();
    if (!why.empty())
        GTEST_SKIP() << "no Secret Service could be started: " << why;
    KeyringPasswordStore keyring;
    ISavedPasswordStore::Install(&keyring);
    SignInFromTheView(QStringLiteral("admin"));
    ASSERT_EQ(KeyringEntry("admin"), "admin");

    ASSERT_TRUE(History(&keyring).Delete(sim->host()));
    EXPECT_EQ(KeyringEntry("admin"), std::nullopt);
    EXPECT_EQ(keyring.Read(sim->host(), eMoxRole_Admin), std::nullopt);
}
