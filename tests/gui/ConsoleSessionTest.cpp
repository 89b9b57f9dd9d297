#include "app/console/CMoxCacheAdminDlg.h"
#include "features/monitor/RealtimeEvents.h"
#include "gui/ConsoleFixture.h"
#include "messaging/EventKinds.h"
#include "messaging/PostCacheEvent.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"
#include "support/EventRecorder.h"

#include <json/value.h>

using morvix::test::CallsOf;

namespace {

using ConsoleSessionExpiry = ConsoleFixture;

const QString kTimedOut = QStringLiteral("会话已超时，请重新登录服务器。");

Json::Value Fault(const char* kind, const char* type, const char* cmd)
{
    Json::Value fault;
    fault["kind"] = kind;
    fault["type"] = type;
    fault["cmd"] = cmd;
    return fault;
}

void ReportExpiredSession()
{
    auto refusal = RecordHandle<CRealtimeInfoEventParam>::Make();
    refusal->errorNo = CMoxCacheAdminDlg::kSessionExpiredError;
    PostCacheEvent(eMoxCacheEvent_RealtimeInfoRead, eMoxEventStatus_ServerError, std::move(refusal));
}

int TimedOutMessages(const CScriptedUserInteraction& user)
{
    int count = 0;
    for (const auto& prompt : user.Prompts())
        count += prompt.text == kTimedOut && prompt.title == QStringLiteral("提示");
    return count;
}

}  // namespace

TEST_F(ConsoleSessionExpiry, SeveralExpiredRepliesBeforeTheAnswerCauseOneSilentLogin)
{
    OpenWindow();
    window->SetRealtimePolling(20, 10000);
    LogIn();
    const std::string firstSession = CMoxInstanceManager::GetInstanceManager()->GetInstance()->SessionId();
    morvix::test::EventRecorder events;
    // The silent login is answered late, so that more expired replies arrive while it is under way.
    Json::Value slowSignIn = Fault("delay", "sign", "in");
    slowSignIn["ms"] = 600;
    sim->addFault(slowSignIn);
    sim->expireSessions();

    ASSERT_TRUE(ProcessUntil([&] { return CallsOf(*sim, "sign", "in").size() == 2; }))
        << "the expired session started no silent login";
    ReportExpiredSession();
    ReportExpiredSession();

    const auto relogin = events.Next(eMoxCacheEvent_LoginOk);
    ASSERT_TRUE(relogin);
    EXPECT_EQ(CallsOf(*sim, "sign", "in").size(), 2u);
    EXPECT_EQ(events.Count(eMoxCacheEvent_LoginStart), 1u);
    EXPECT_EQ(TimedOutMessages(user), 0);
    EXPECT_FALSE(window->LoginDialog()) << "a silent login shows no login view";
    EXPECT_NE(CMoxInstanceManager::GetInstanceManager()->GetInstance()->SessionId(), firstSession);
    EXPECT_TRUE(ProcessUntil([&] { return window->IsRealtimePolling(); })) << "polling does not resume";
}

TEST_F(ConsoleSessionExpiry, RefusedSilentLoginShowsTheTimedOutMessageOnce)
{
    OpenWindow();
    window->SetRealtimePolling(20, 10000);
    LogIn();
    morvix::test::EventRecorder events;
    sim->addFault(Fault("busy", "sign", "in"));
    sim->expireSessions();

    ASSERT_TRUE(ProcessUntil([&] { return TimedOutMessages(user) == 1; })) << StatusText().toStdString();
    const auto refused = events.Next(eMoxCacheEvent_LoginFailed);
    ASSERT_TRUE(refused);
    EXPECT_FALSE(window->IsRealtimePolling());
    EXPECT_EQ(CallsOf(*sim, "sign", "in").size(), 2u);
    EXPECT_EQ(TimedOutMessages(user), 1);
    EXPECT_EQ(user.Prompts().size(), 1);
}

TEST_F(ConsoleSessionExpiry, PollingAsksAgainWhenAReplyIsOverdue)
{
    OpenWindow();
    LogIn();
    // Every counters request now stays unanswered far longer than the stale limit.
    Json::Value stuck = Fault("delay", "realtime", "list");
    stuck["ms"] = 3000;
    ASSERT_TRUE(ProcessUntil([&] { return CallsOf(*sim, "realtime", "list").size() >= 2; }));
    sim->addFault(stuck);
    window->SetRealtimePolling(20, 200);
    const std::size_t before = CallsOf(*sim, "realtime", "list").size();

    EXPECT_TRUE(ProcessUntil([&] { return CallsOf(*sim, "realtime", "list").size() >= before + 2; }, 2500))
        << "no new request while the previous one was unanswered";
}
