#include "app/console/CMoxCacheAdminDlg.h"
#include "files/ScratchDirectory.h"
#include "gui/ConsoleFixture.h"
#include "messaging/CZebEventManager.h"
#include "messaging/GlobalFunc_UpdateStatusBar.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/IniProfile.h"
#include "shell/MainNavigation.h"
#include "shell/view/CMoxLoginDlg.h"
#include "support/EventRecorder.h"

#include <ctime>
#include <filesystem>
#include <fstream>

using morvix::test::CallsInSendingOrder;
using morvix::test::CallsOf;

namespace {

using ConsoleLogin = ConsoleFixture;

const QString kDisplayName = QStringLiteral("Morvix 远程监控端");

}  // namespace

TEST_F(ConsoleLogin, SuccessShowsTheServerInTheTitleClosesTheViewAndRemembersTheLogin)
{
    OpenWindow();
    EXPECT_EQ(window->windowTitle(), kDisplayName);
    const auto before = static_cast<std::int64_t>(std::time(nullptr));

    LogIn(QStringLiteral("admin"));

    EXPECT_EQ(window->windowTitle().toStdString(), sim->host() + " - 3.5.0 - Linux 64Bits - Morvix 远程监控端 ");
    EXPECT_TRUE(ProcessUntil([&] { return !window->LoginDialog(); })) << "the login view stays open";
    EXPECT_TRUE(window->IsRealtimePolling());
    EXPECT_TRUE(user.Prompts().isEmpty());

    const auto after = static_cast<std::int64_t>(std::time(nullptr));
    CMoxInstanceManager* manager = CMoxInstanceManager::GetInstanceManager();
    std::string stem = sim->host();
    stem.replace(stem.find(':'), 1, "&");
    const IniProfile history(manager->DataDir() / "LoginHistory" / (stem + ".ini"));
    EXPECT_EQ(history.ReadString("LoginHost", "host", "", 128), sim->host());
    EXPECT_EQ(history.ReadString("LoginHost", "is_del", "missing", 8), "0");
    const long long lastTime = std::stoll(history.ReadString("LoginHost", "last_time", "0", 32));
    EXPECT_GE(lastTime, before);
    EXPECT_LE(lastTime, after);
    EXPECT_EQ(manager->Options().ReadHost(), sim->host());
    EXPECT_EQ(manager->Options().ReadUser(), 0);
}

TEST_F(ConsoleLogin, AfterSuccessTheWindowsRequestsLeaveBeforeTheInstancesInTheirOrder)
{
    OpenWindow();
    // In the program the window is made before the first login makes the server instance, so it
    // hears each event first; in this process an earlier test may have made the instance already.
    if (CMoxCacheInstance* instance = CMoxInstanceManager::GetInstanceManager()->GetInstance()) {
        CZebEventManager::Instance()->Unregister(instance);
        CZebEventManager::Instance()->Register(instance);
    }
    LogIn();
    ASSERT_TRUE(ProcessUntil([&] { return CallsInSendingOrder(*sim).size() >= 7; }));

    std::vector<std::string> sent;
    for (const auto& call : CallsInSendingOrder(*sim))
        sent.push_back(call.Name());
    sent.resize(7);
    EXPECT_EQ(sent, (std::vector<std::string>{"sign/in", "system/list", "realtime/list", "realtime/totalstat",
                                              "rth/list", "system/list", "realtime/list"}));
    const std::string session = "SessionID=" + CMoxInstanceManager::GetInstanceManager()->GetInstance()->SessionId();
    for (const auto& call : CallsInSendingOrder(*sim)) {
        if (call.Name() != "sign/in") {
            EXPECT_NE(call.body.find(session), std::string::npos) << call.Name() << ": " << call.body;
        }
    }
}

TEST_F(ConsoleLogin, RefusalKeepsTheViewOpenWithTheReasonInTheStatusBarAndNoMessageBox)
{
    OpenWindow();
    PressLogIn(QStringLiteral("wrong"));

    const QString refused = QStringLiteral("登录%1失败，用户名不存在或密码错误（错误号:20)").arg(QString::fromStdString(sim->host()));
    EXPECT_TRUE(ProcessUntil([&] { return StatusText() == refused; })) << StatusText().toStdString();
    EXPECT_TRUE(user.Prompts().isEmpty());
    ASSERT_TRUE(window->LoginDialog());
    EXPECT_TRUE(window->LoginDialog()->isVisible());
    EXPECT_EQ(window->windowTitle(), kDisplayName);
    EXPECT_FALSE(window->IsRealtimePolling());

    // The view stays usable: the right password now logs in.
    LogIn(QStringLiteral("admin"));
}

TEST_F(ConsoleLogin, UnreachableServerShowsTheConnectionFailureText)
{
    OpenWindow();
    const std::string host = sim->host();
    sim->stop();
    PressLogIn(QStringLiteral("admin"));

    const QString failed = QStringLiteral("连接%1失败，请检查网络连接是否正常或输入的服务器地址是否正确")
                               .arg(QString::fromStdString(host));
    EXPECT_TRUE(ProcessUntil([&] { return StatusText() == failed; })) << StatusText().toStdString();
    EXPECT_TRUE(user.Prompts().isEmpty());
    ASSERT_TRUE(window->LoginDialog());
    EXPECT_TRUE(window->LoginDialog()->isVisible());
}

TEST_F(ConsoleLogin, WithoutASessionACommandShowsOneNotConnectedTextAndSendsNothing)
{
    OpenWindow();
    window->LoginDialog()->reject();
    morvix::test::EventRecorder events;
    sim->clearRequests();

    window->ShowView(eView_DiskCache);

    const QString notConnected = QStringLiteral("您未连接到远程Morvix缓存服务器或会话已经过期，请连接服务器。");
    EXPECT_TRUE(ProcessUntil([&] { return StatusText() == notConnected; })) << StatusText().toStdString();
    EXPECT_EQ(events.StatusTexts(), std::vector<std::string>{notConnected.toStdString()});
    EXPECT_TRUE(sim->requests().empty());
}

TEST_F(ConsoleLogin, SettingsThatCannotBeWrittenAreSaidOnceAndTheShippedFileStaysAsItWas)
{
    CIniOptionFile& options = CMoxInstanceManager::GetInstanceManager()->Options();
    const std::filesystem::path shipped = options.ShippedFile();
    std::filesystem::create_directories(shipped.parent_path());
    const std::string shippedText = "[Login]\nhost=127.0.0.1\nport=" + std::to_string(sim->port()) + "\n";
    std::ofstream(shipped) << shippedText;
    // A plain file where the configuration folder should be stops every write, also for root.
    const std::filesystem::path blocked = scratch.filePath(QStringLiteral("blocked")).toStdString();
    std::ofstream(blocked).put('\n');
    options.Init(shipped, blocked / "morvix" / "MorvixAdmin.ini");
    morvix::test::EventRecorder events(morvix::test::EventRecorder::Holding::TextsOnly);

    OpenWindow();
    LogIn();

    const std::string said = "设置未能保存：无法写入" + options.UserFile().string();
    ASSERT_TRUE(events.WaitForStatusText(said)) << StatusText().toStdString();
    // Texts arrive in posting order: once the marker is in, a second report would be too.
    ASSERT_TRUE(GlobalFunc_UpdateStatusBar("marker"));
    ASSERT_TRUE(events.WaitForStatusText("marker"));
    EXPECT_EQ(events.CountStatusText(said), 1u) << "the host and the role both failed to be written";
    EXPECT_EQ(morvix::test::ReadBytes(shipped), shippedText);
    EXPECT_EQ(options.ReadHost(), "127.0.0.1");
}
