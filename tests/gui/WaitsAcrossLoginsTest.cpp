// The main window and its views across logins and server switches: what was asked of the server
// the console has left, or under a login it has since replaced, is never shown nor kept.

#include "app/console/CMoxCacheAdminDlg.h"
#include "controls/CRuleListView.h"
#include "features/access/view/CRewriteManagerDlg.h"
#include "gui/ConsoleFixture.h"
#include "integration/OneShotFault.h"
#include "messaging/EventKinds.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/MainNavigation.h"
#include "shell/WaitForQuiet.h"
#include "shell/view/CMoxLoginDlg.h"
#include "shell/view/CMoxLoginNormalDlg.h"
#include "support/EventRecorder.h"

#include <QComboBox>

#include <json/value.h>

using morvix::test::CallsOf;

namespace {

using WaitsAcrossLogins = ConsoleFixture;

Json::Value LateAnswer(const char* type, const char* cmd, int ms)
{
    Json::Value fault = morvix::test::OneShotFault("late", type, cmd);
    fault["ms"] = ms;
    return fault;
}

bool Connected()
{
    const CMoxCacheInstance* instance = CMoxInstanceManager::GetInstanceManager()->GetInstance();
    return instance && instance->Connected();
}

}  // namespace

TEST_F(WaitsAcrossLogins, ARefreshSentOnASilentReloginIsShown)
{
    WriteOptions("Gui", {{"show_cache_rule", "1"}});
    OpenWindow();
    window->SetRealtimePolling(20, 10000);
    LogIn();
    window->ShowView(eView_Rewrite);
    auto* rewrite = dynamic_cast<CRewriteManagerDlg*>(window->View(eView_Rewrite));
    ASSERT_NE(rewrite, nullptr);
    const int held = static_cast<int>(sim->state()["rewrite"]["entries"].size());
    const auto rows = [&] { return rewrite->Page()->List()->model()->rowCount(); };
    ASSERT_TRUE(ProcessUntil([&] { return rows() == held; }));

    morvix::test::EventRecorder events;
    const std::size_t listsBefore = CallsOf(*sim, "rewrite", "list").size();
    sim->expireSessions();
    ASSERT_TRUE(ProcessUntil([&] { return events.Count(eMoxCacheEvent_LoginOk) == 1; }))
        << "no silent login after the session expired";
    // The rows are cleared before the refresh goes out, so from its request on they show its reply.
    ASSERT_TRUE(ProcessUntil([&] { return CallsOf(*sim, "rewrite", "list").size() > listsBefore; }));
    EXPECT_TRUE(ProcessUntil([&] { return rows() == held && !rewrite->Page()->IsBusy(); }))
        << "the view shows " << rows() << " rules, the server holds " << held;
}

TEST_F(WaitsAcrossLogins, OnlyTheLatestSignInAttemptCounts)
{
    OpenWindow();
    sim->addFault(LateAnswer("sign", "in", 1500));
    PressLogIn(QStringLiteral("admin"));
    ASSERT_TRUE(ProcessUntil([&] { return CallsOf(*sim, "sign", "in").size() == 1; }));
    PressLogIn(QStringLiteral("wrong"));
    ASSERT_TRUE(ProcessUntil([&] { return CallsOf(*sim, "sign", "in").size() == 2; }));
    // Both answered, the late success included, and every event they posted handled.
    ASSERT_TRUE(WaitForQuiet(std::chrono::seconds(10)));
    ASSERT_TRUE(ProcessUntil([] { return WaitForQuiet(std::chrono::milliseconds(0)); }));

    EXPECT_FALSE(Connected()) << "the superseded attempt's success was taken";
    ASSERT_NE(window->LoginDialog(), nullptr) << "the login view closed on a superseded attempt";
    EXPECT_TRUE(window->LoginDialog()->isVisible());
    LogIn();
    EXPECT_TRUE(Connected());
}

// Each read the window sends on a login, answered late by the server it leaves, reaches no
// handler once the console has signed in to another.
TEST_F(WaitsAcrossLogins, RepliesOfTheServerLeftAreNotTaken)
{
    struct Read {
        const char* type;
        const char* cmd;
        int event;
    };
    const Read kReads[] = {
        {"system", "list", eMoxCacheEvent_SystemOptionsRead},
        {"realtime", "list", eMoxCacheEvent_RealtimeInfoRead},
        {"realtime", "totalstat", eMoxCacheEvent_RealtimeStat},
        {"rth", "list", eMoxCacheEvent_RthList},
    };
    OpenWindow();
    window->SetRealtimePolling(600000, 600000);
    morvix::test::SimProcess second;
    for (const Read& read : kReads)
        sim->addFault(LateAnswer(read.type, read.cmd, 1500));
    LogIn();
    ASSERT_TRUE(ProcessUntil([&] {
        for (const Read& read : kReads)
            if (CallsOf(*sim, read.type, read.cmd).empty())
                return false;
        return true;
    }));

    morvix::test::EventRecorder events;
    window->OnPopLoginDlg();
    ASSERT_TRUE(ProcessUntil([&] { return window->LoginDialog() && window->LoginDialog()->isVisible(); }));
    const std::string host = second.host();
    CMoxLoginNormalDlg* page = LoginView().Page();
    page->HostField()->setEditText(QString::fromStdString(host));
    PressLogIn(QStringLiteral("admin"));
    ASSERT_TRUE(ProcessUntil([&] { return window->windowTitle().startsWith(QString::fromStdString(host)); }));
    ASSERT_TRUE(WaitForQuiet(std::chrono::seconds(10)));

    for (const Read& read : kReads)
        EXPECT_EQ(events.Count(read.event), CallsOf(second, read.type, read.cmd).size())
            << read.type << " " << read.cmd << ": a reply of the server left was handed on";
}
