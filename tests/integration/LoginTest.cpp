#include "integration/CannedAdminServer.h"
#include "integration/LoggedRequest.h"
#include "integration/OneShotFault.h"
#include "messaging/CMoxEventParam.h"
#include "messaging/CThreadRegistry.h"
#include "messaging/CMoxUpdateStatusBarEventParam.h"
#include "messaging/EventKinds.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/CMoxLoginEventParam.h"
#include "shell/IniProfile.h"
#include "shell/MoxLogin.h"
#include "shell/WaitForQuiet.h"
#include "support/EventRecorder.h"
#include "support/SimProcess.h"
#include "support/WaitUntil.h"
#include "transport/ClosedPort.h"
#include "transport/LoopbackServer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <unistd.h>

using morvix::test::CannedAdminServer;
using morvix::test::ClosedPort;
using morvix::test::EventRecorder;
using morvix::test::LastLoggedBody;
using morvix::test::LoopbackServer;
using morvix::test::OneShotFault;
using morvix::test::SimProcess;
using morvix::test::WaitUntil;

namespace {

// Logins made by hand, watched from their first event; every record they post must be released.
class Login : public ::testing::Test {
protected:
    Login() { CThreadRegistry::Create(); }
    ~Login() override
    {
        EXPECT_TRUE(WaitForQuiet(std::chrono::seconds(10)));
        Instance().SetConnected(false);
        events_.reset();
        EXPECT_TRUE(WaitUntil([&] { return CMoxEventParam::LiveCount() == liveRecordsAtStart_; }))
            << CMoxEventParam::LiveCount() - liveRecordsAtStart_ << " records never released";
    }

    static CMoxCacheInstance& Instance() { return *CMoxInstanceManager::GetInstanceManager()->GetInstance(); }

    EventRecorder& Events() { return *events_; }

    const CMoxLoginEventParam* LoginRecord(int kind)
    {
        auto event = Events().Next(kind);
        EXPECT_TRUE(event) << "no event " << kind;
        if (!event)
            return nullptr;
        EXPECT_EQ(event->param2, 0u);
        return event->As<CMoxLoginEventParam>();
    }

    // Where an event and a status text stand among everything posted.
    std::ptrdiff_t PositionOfKind(int kind)
    {
        const auto events = Events().Events();
        return std::find_if(events.begin(), events.end(), [&](const auto& e) { return e.kind == kind; }) -
               events.begin();
    }
    std::ptrdiff_t PositionOfText(const std::string& text)
    {
        const auto events = Events().Events();
        return std::find_if(events.begin(), events.end(),
                            [&](const auto& e) {
                                auto* status = e.template As<CMoxUpdateStatusBarEventParam>();
                                return status && status->Text() == text;
                            }) -
               events.begin();
    }

    std::int64_t liveRecordsAtStart_ = CMoxEventParam::LiveCount();
    std::unique_ptr<EventRecorder> events_ = std::make_unique<EventRecorder>();
};

}  // namespace

TEST_F(Login, SuccessFillsTheInstanceAndPostsTheEventBeforeItsText)
{
    SimProcess sim({"--admin-password", "a b&c"});
    ASSERT_TRUE(MoxLogin(sim.host(), eMoxRole_Admin, "a b&c"));

    const CMoxLoginEventParam* started = LoginRecord(eMoxCacheEvent_LoginStart);
    ASSERT_TRUE(started);
    EXPECT_EQ(started->host, sim.host());
    EXPECT_EQ(started->roleName, "admin");
    EXPECT_EQ(started->password, "a b&c");
    EXPECT_TRUE(Events().WaitForStatusText("正在连接到 " + sim.host()));

    const CMoxLoginEventParam* ok = LoginRecord(eMoxCacheEvent_LoginOk);
    ASSERT_TRUE(ok);
    const std::string success = "登录" + sim.host() + "成功。";
    ASSERT_TRUE(Events().WaitForStatusText(success));
    EXPECT_LT(PositionOfKind(eMoxCacheEvent_LoginOk), PositionOfText(success));

    EXPECT_EQ(LastLoggedBody(sim, "sign", "in"), "Username=admin&Password=a%20b%26c&RequestID=N");
    EXPECT_TRUE(Instance().Connected());
    EXPECT_EQ(Instance().Host(), sim.host());
    EXPECT_EQ(Instance().Password(), "a b&c");
    EXPECT_FALSE(ok->sessionId.empty());
    EXPECT_EQ(Instance().SessionId(), ok->sessionId);
    EXPECT_EQ(ok->userType, "admin");
    EXPECT_EQ(Instance().Version(), "3.5.0");
    EXPECT_EQ(ok->version, "3.5.0");
    EXPECT_EQ(ok->versionExt, "Linux 64Bits");
    EXPECT_EQ(Instance().VersionExt(), "Linux 64Bits");
    EXPECT_FALSE(Instance().LastLoginTime().empty());
    EXPECT_EQ(ok->passThrough, 0);

    // The instance reads the system options and the realtime figures with the new session.
    ASSERT_TRUE(WaitForQuiet(std::chrono::seconds(10)));
    EXPECT_EQ(LastLoggedBody(sim, "system", "list"), "SessionID=" + ok->sessionId + "&RequestID=N");
    EXPECT_EQ(LastLoggedBody(sim, "realtime", "list"), "SessionID=" + ok->sessionId + "&RequestID=N");
}

TEST_F(Login, RefusalsNameTheServerAndTheNumber)
{
    SimProcess sim;
    ASSERT_TRUE(MoxLogin(sim.host(), eMoxRole_Keeper, "wrong", 1));
    const CMoxLoginEventParam* wrong = LoginRecord(eMoxCacheEvent_LoginFailed);
    ASSERT_TRUE(wrong);
    EXPECT_EQ(wrong->errorNo, "20");
    EXPECT_EQ(wrong->roleName, "keeper");
    EXPECT_EQ(wrong->passThrough, 1);
    EXPECT_TRUE(wrong->sessionId.empty());
    EXPECT_TRUE(Events().WaitForStatusText("登录" + sim.host() + "失败，用户名不存在或密码错误（错误号:20)"));
    EXPECT_FALSE(Instance().Connected());
    EXPECT_EQ(Instance().LastErrorNo(), "20");

    sim.addFault(OneShotFault("busy", "sign", "in"));
    ASSERT_TRUE(MoxLogin(sim.host(), eMoxRole_Keeper, "keeper"));
    const CMoxLoginEventParam* busy = LoginRecord(eMoxCacheEvent_LoginFailed);
    ASSERT_TRUE(busy);
    EXPECT_EQ(busy->errorNo, "10");
    EXPECT_TRUE(Events().WaitForStatusText("登录" + sim.host() + "失败，服务器忙（错误号:10)"));
    EXPECT_EQ(Events().Count(eMoxCacheEvent_LoginOk), 0u);
}

TEST_F(Login, AnUnreadableReplyIsAFormatError)
{
    SimProcess sim;
    sim.addFault(OneShotFault("not-json", "sign", "in"));
    ASSERT_TRUE(MoxLogin(sim.host(), eMoxRole_Admin, "admin"));
    const CMoxLoginEventParam* failed = LoginRecord(eMoxCacheEvent_LoginFailed);
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->errorNo, "");
    EXPECT_TRUE(Events().WaitForStatusText("登录服务器失败，返回的Json数据格式解析错误!"));
    EXPECT_FALSE(Instance().Connected());
}

TEST_F(Login, AReplyWithoutTheSessionKeysIsAFormatError)
{
    CannedAdminServer canned;
    LoopbackServer incomplete([](httplib::Server& server) {
        server.Post("/morvix/webcache.mox", [](const httplib::Request&, httplib::Response& response) {
            response.set_content(R"({"Return":"True","SessionID":"s","UserType":"admin","LastLoginTime":"x"})",
                                 "application/json");
        });
    });
    ASSERT_TRUE(MoxLogin("127.0.0.1:" + std::to_string(incomplete.Port()), eMoxRole_Admin, "admin"));
    const CMoxLoginEventParam* failed = LoginRecord(eMoxCacheEvent_LoginFailed);
    EXPECT_TRUE(failed && failed->sessionId.empty());
    EXPECT_TRUE(Events().WaitForStatusText("登录服务器失败，返回的Json数据格式解析错误!"));
    EXPECT_FALSE(Instance().Connected());

    // A reply with every required key but no platform text is a login.
    ASSERT_TRUE(MoxLogin(canned.Host(), eMoxRole_Admin, "admin"));
    const CMoxLoginEventParam* ok = LoginRecord(eMoxCacheEvent_LoginOk);
    ASSERT_TRUE(ok);
    EXPECT_EQ(ok->sessionId, "canned");
    EXPECT_EQ(ok->versionExt, "");
}

TEST_F(Login, ARefusalWhoseErrorNumberIsNoTextIsARefusalWithoutANumber)
{
    LoopbackServer odd([](httplib::Server& server) {
        server.Post("/morvix/webcache.mox", [](const httplib::Request&, httplib::Response& response) {
            response.set_content(R"({"Return":"False","ErrorNo":{"code":[20]}})", "application/json");
        });
    });
    ASSERT_TRUE(MoxLogin("127.0.0.1:" + std::to_string(odd.Port()), eMoxRole_Admin, "admin"));
    const CMoxLoginEventParam* refused = LoginRecord(eMoxCacheEvent_LoginFailed);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->errorNo, "");
    EXPECT_FALSE(Instance().Connected());
}

TEST_F(Login, ADeadPortIsAConnectionFailure)
{
    ClosedPort closed;
    const std::string host = closed.Url("").substr(std::string("http://").size());
    ASSERT_TRUE(MoxLogin(host, eMoxRole_Admin, "admin", 1));
    const CMoxLoginEventParam* failed = LoginRecord(eMoxCacheEvent_ConnectFailed);
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->host, host);
    EXPECT_EQ(failed->passThrough, 1);
    EXPECT_TRUE(Events().WaitForStatusText("连接" + host + "失败，请检查网络连接是否正常或输入的服务器地址是否正确"));
    EXPECT_FALSE(Instance().Connected());
    EXPECT_EQ(Events().Count(eMoxCacheEvent_LoginFailed), 0u);
}

// The console holds no reference on a login record: the event thread frees it as soon as its
// dispatch ends, racing whatever the reply thread still does after posting. Every outcome, many
// times over, must still show its own text (a read of the freed record shows garbage, or trips
// AddressSanitizer).
TEST_F(Login, EveryOutcomeShowsItsTextWhileTheRecordIsFreedAtOnce)
{
    events_.reset();
    EventRecorder texts(EventRecorder::Holding::TextsOnly);
    SimProcess sim;
    ClosedPort closed;
    const std::string deadHost = closed.Url("").substr(std::string("http://").size());
    struct Outcome {
        std::string host;
        const char* password;
        const char* fault;
        std::string text;
    };
    const std::vector<Outcome> outcomes = {
        {sim.host(), "admin", nullptr, "登录" + sim.host() + "成功。"},
        {sim.host(), "wrong", nullptr, "登录" + sim.host() + "失败，用户名不存在或密码错误（错误号:20)"},
        {sim.host(), "admin", "not-json", "登录服务器失败，返回的Json数据格式解析错误!"},
        {deadHost, "admin", nullptr, "连接" + deadHost + "失败，请检查网络连接是否正常或输入的服务器地址是否正确"},
    };
    constexpr std::size_t kRounds = 30;
    for (std::size_t round = 1; round <= kRounds; ++round) {
        for (const Outcome& outcome : outcomes) {
            if (outcome.fault)
                sim.addFault(OneShotFault(outcome.fault, "sign", "in"));
            ASSERT_TRUE(MoxLogin(outcome.host, eMoxRole_Admin, outcome.password));
            ASSERT_TRUE(WaitUntil([&] { return texts.CountStatusText(outcome.text) == round; }))
                << "round " << round << ": no \"" << outcome.text << "\"";
            ASSERT_TRUE(WaitForQuiet(std::chrono::seconds(10)));
        }
    }
}

TEST_F(Login, AnOemBuildDropsTheVersionPrefix)
{
    CIniOptionFile& options = CMoxInstanceManager::GetInstanceManager()->Options();
    const std::filesystem::path shipped = options.ShippedFile();
    const std::filesystem::path user = options.UserFile();
    const std::filesystem::path oem = std::filesystem::temp_directory_path() /
                                      ("morvix-oem-" + std::to_string(::getpid()) + ".ini");
    ASSERT_TRUE(IniProfile(oem).WriteString("Gui", "is_oem", "1"));
    options.Init(shipped, oem);

    SimProcess sim;
    ASSERT_TRUE(MoxLogin(sim.host(), eMoxRole_Admin, "admin"));
    const CMoxLoginEventParam* ok = LoginRecord(eMoxCacheEvent_LoginOk);
    options.Init(shipped, user);
    std::filesystem::remove(oem);
    ASSERT_TRUE(ok);
    // "3.5.0" is shorter than the seven characters an OEM build hides.
    EXPECT_EQ(ok->version, "");
    EXPECT_EQ(Instance().Version(), "");
    EXPECT_EQ(ok->versionExt, "Linux 64Bits");
}

TEST_F(Login, LoggingInElsewhereDropsTheOldSessionAtOnce)
{
    SimProcess sim;
    ASSERT_TRUE(MoxLogin(sim.host(), eMoxRole_Admin, "admin"));
    ASSERT_TRUE(LoginRecord(eMoxCacheEvent_LoginOk));
    ASSERT_TRUE(WaitForQuiet(std::chrono::seconds(10)));

    ClosedPort closed;
    const std::string deadHost = closed.Url("").substr(std::string("http://").size());
    ASSERT_TRUE(MoxLogin(deadHost, eMoxRole_Admin, "admin"));
    // Until the new login succeeds nothing goes out with the old session to the new address.
    EXPECT_FALSE(Instance().Connected());
    EXPECT_EQ(Instance().Host(), deadHost);
    ASSERT_TRUE(LoginRecord(eMoxCacheEvent_ConnectFailed));
    EXPECT_FALSE(Instance().Connected());
}
