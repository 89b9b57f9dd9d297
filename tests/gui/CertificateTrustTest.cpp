#include "gui/ConsoleFixture.h"
#include "shell/MainNavigation.h"
#include "shell/PinnedKeys.h"
#include "shell/view/CMoxLoginDlg.h"
#include "shell/view/CMoxLoginNormalDlg.h"
#include "transport/ServerCertificate.h"
#include "transport/TlsTrust.h"

#include <QComboBox>
#include <QLabel>

using morvix::test::CallsOf;
using Kind = CScriptedUserInteraction::PromptKind;
using Trust = IUserInteraction::CertificateTrust;

namespace {

class CertificateTrust : public ConsoleFixture {
protected:
    void UseServerWithItsOwnCertificate()
    {
        sim = std::make_unique<morvix::test::SimProcess>(std::vector<std::string>{"--tls"});
        WriteOptions("Login", {{"host", "https://127.0.0.1"}, {"port", std::to_string(sim->port())}});
        hostPort = "127.0.0.1:" + std::to_string(sim->port());
    }

    void TearDown() override
    {
        if (!hostPort.empty())
            PinnedKeys::Forget(hostPort);
        ConsoleFixture::TearDown();
    }

    int CertificatePrompts() const
    {
        int count = 0;
        for (const auto& prompt : user.Prompts())
            count += prompt.kind == Kind::Certificate;
        return count;
    }

    std::string hostPort;
};

}  // namespace

TEST_F(CertificateTrust, TheOperatorSeesTheKeyAndNothingIsSentUntilTrusted)
{
    UseServerWithItsOwnCertificate();
    const auto shown = nsMoxHttp::FetchServerCertificate(hostPort);
    ASSERT_TRUE(shown);
    OpenWindow();

    user.QueueCertificateTrust(Trust::Refused);
    PressLogIn(QStringLiteral("admin"));
    ASSERT_TRUE(ProcessUntil([&] { return CertificatePrompts() == 1; }));
    EXPECT_EQ(user.Prompts().back().text.toStdString(), shown->publicKeySha256);
    EXPECT_TRUE(LoginView().isVisible());
    EXPECT_TRUE(CallsOf(*sim, "sign", "in").empty());

    user.QueueCertificateTrust(Trust::Always);
    PressLogIn(QStringLiteral("admin"));
    ASSERT_TRUE(ProcessUntil([&] { return window->windowTitle().startsWith(ServerTitle()); }))
        << StatusText().toStdString();
    EXPECT_EQ(CertificatePrompts(), 2);
    EXPECT_EQ(CallsOf(*sim, "sign", "in").size(), 1u);
    // Remembered in the settings for later runs, not only in this one.
    nsMoxHttp::TlsTrust::Forget(hostPort);
    PinnedKeys::Install();
    EXPECT_EQ(nsMoxHttp::TlsTrust::For(hostPort).pinnedKey, shown->pin);
    EXPECT_FALSE(window->PlainHttpMark()->isVisible());
    // The browser pages go to the server the way the session does.
    window->RunCommand(eCmd_WebAdmin);
    ASSERT_EQ(user.OpenedUrls().size(), 1);
    EXPECT_EQ(user.OpenedUrls()[0].scheme().toStdString(), "https");
}

TEST_F(CertificateTrust, PlainHttpToAnotherMachineIsPointedOut)
{
    OpenWindow();
    CMoxLoginNormalDlg* page = LoginView().Page();
    const struct {
        const char* typed;
        bool warned;
    } rows[] = {{"10.0.0.5", true}, {"127.0.0.1", false}, {"https://10.0.0.5", false}, {"http://cache1:81", true}};
    for (const auto& row : rows) {
        page->HostField()->setEditText(QString::fromUtf8(row.typed));
        EXPECT_EQ(page->PlainHttpWarning()->isVisibleTo(page), row.warned) << row.typed;
    }
    page->HostField()->setEditText(QStringLiteral("127.0.0.1"));
    LogIn();
    EXPECT_FALSE(window->PlainHttpMark()->isVisibleTo(window.get()));
}
