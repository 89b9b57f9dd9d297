// A seeded random operator works the main window across logins: it signs in again, lets the
// session expire so that the window signs in by itself, switches to a second server and back,
// imports on one rule page and exports from another, and changes what one view of the window's
// table holds while the server carries a change out and then loses or delays its reply. About a
// fifth of the time the next action comes before the previous one's reply. After every step, once
// idle, each view of the table (and each copy the console keeps beside it) shows what the current
// server holds, which is never what the other server holds.
// MORVIX_MODEL_SEED and MORVIX_MODEL_STEPS replay a failure or make a long run.

#include "gui/ConsoleFixture.h"
#include "gui/ModelledWindowViews.h"
#include "integration/OneShotFault.h"
#include "gui/ViewTestSupport.h"
#include "messaging/EventKinds.h"
#include "shell/MainNavigation.h"
#include "shell/WaitForQuiet.h"
#include "shell/view/CMoxLoginDlg.h"
#include "shell/view/CMoxLoginNormalDlg.h"
#include "support/EventRecorder.h"
#include "support/TestSeed.h"
#include "transport/CMoxHttpManager.h"

#include <QComboBox>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <random>

using namespace morvix::test;

namespace {

constexpr int kLateMs = 400;

enum class WindowAction { Change, SignInAgain, Expiry, Switch, ImportExport };
const char* const kActionKeys[] = {"change", "relogin", "expiry", "switch", "import-export"};
enum class WindowFault { None, Reset, Late };
const char* const kFaultKeys[] = {"", "reset", "late"};

class WindowModel : public ConsoleFixture {
protected:
    std::unique_ptr<SimProcess> second;
    SimClient* current = nullptr;
    ModelledWindow modelled;
    std::mt19937 random;
    std::map<std::string, int> actions;
    std::map<std::string, int> faults;
    int serial = 0;
    SimClient* armedOn = nullptr;
    const char* armedKind = "";

    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

    // Each server gets contents of its own once the views exist; the window then reads them anew.
    void Open()
    {
        second = std::make_unique<SimProcess>();
        current = sim.get();
        WriteOptions("Gui", {{"show_cache_rule", "1"},
                             {"show_host_monitor", "1"},
                             {"show_cluster", "1"},
                             {"show_dns_redirect", "1"}});
        OpenWindow();
        window->SetRealtimePolling(600000, 600000);
        LogIn();
        modelled = ModelWindowViews(*window, user);
        for (const auto& view : modelled.views) {
            view->Prepare(*sim, 0);
            view->Prepare(*second, 1);
        }
        LogInTo(*sim);
    }

    bool Settle()
    {
        const auto quiet = [&] {
            for (const auto& view : modelled.views)
                view->CloseForm(true);
            if (nsMoxHttp::CMoxHttpManager::Instance().RunningExchanges() != 0)
                return false;
            if (window->LoginDialog() && window->LoginDialog()->isVisible())
                return false;
            for (const auto& view : modelled.views)
                if (!view->Idle())
                    return false;
            return true;
        };
        for (int round = 0; round < 50; ++round) {
            if (!ProcessUntil(quiet, 30000) || !WaitForQuiet(std::chrono::seconds(10)) || !DeliverQueuedCalls())
                break;
            if (quiet())
                return true;
        }
        std::string waiting;
        for (const auto& view : modelled.views)
            if (!view->Idle())
                waiting += " " + view->Name();
        ADD_FAILURE() << "the window did not settle:" << waiting << " exchanges "
                      << nsMoxHttp::CMoxHttpManager::Instance().RunningExchanges()
                      << (window->LoginDialog() ? " login view open" : "");
        return false;
    }

    // Each view, once shown, shows what the current server holds, which differs from the other's.
    // They are all brought in turn first, so that what they read on showing travels at once.
    void ExpectShownAsHeld()
    {
        for (const auto& view : modelled.views)
            view->Bring();
        if (!Settle())
            return;
        const Json::Value state = current->state();
        for (const auto& view : modelled.views)
            EXPECT_EQ(view->Shown(), view->Held(state)) << view->Name();
    }

    void Arm(const ModelledView::Request& request, WindowFault fault)
    {
        if (fault == WindowFault::None || request.type.empty())
            return;
        current->addFault(OneShotFault(kFaultKeys[static_cast<int>(fault)], request.type, request.cmd,
                                       fault == WindowFault::Late ? kLateMs : 0));
        armedOn = current;
        armedKind = kFaultKeys[static_cast<int>(fault)];
    }

    // Counts the step's fault when it fired, then disarms it.
    void Disarm()
    {
        if (armedOn && armedOn->faults().empty())
            ++faults[armedKind];
        if (armedOn)
            armedOn->clearFaults();
        armedOn = nullptr;
    }

    // A change through a view that has one; its reply may come after the next action.
    void Change(WindowFault fault)
    {
        std::vector<ModelledView*> changeable;
        for (const auto& view : modelled.views)
            if (!view->ChangeRequest(0).type.empty())
                changeable.push_back(view.get());
        ModelledView& view = *changeable[static_cast<std::size_t>(Pick(0, static_cast<int>(changeable.size()) - 1))];
        view.Bring();
        if (!Settle())
            return;
        Arm(view.ChangeRequest(++serial), fault);
        view.Change(serial);
    }

    void LogInTo(SimClient& server)
    {
        for (const auto& view : modelled.views)
            view->CloseForm(false);
        // The previous login view is gone once its success was handled.
        ASSERT_TRUE(ProcessUntil([&] { return !window->LoginDialog(); }));
        window->OnPopLoginDlg();
        ASSERT_TRUE(ProcessUntil([&] { return window->LoginDialog() && window->LoginDialog()->isVisible(); }));
        LoginView().Page()->HostField()->setEditText(QString::fromStdString(server.host()));
        PressLogIn(QStringLiteral("admin"));
        current = &server;
        ASSERT_TRUE(ProcessUntil([&] {
            return !window->LoginDialog() &&
                   window->windowTitle().startsWith(QString::fromStdString(server.host()) + QStringLiteral(" - "));
        })) << "the login view stayed open";
    }

    void Expire()
    {
        EventRecorder events;
        current->expireSessions();
        window->SetRealtimePolling(30, 600000);
        EXPECT_TRUE(ProcessUntil([&] { return events.Count(eMoxCacheEvent_LoginOk) == 1; })) << "no silent login";
        window->SetRealtimePolling(600000, 600000);
    }

    void Run(WindowAction action)
    {
        ++actions[kActionKeys[static_cast<int>(action)]];
        switch (action) {
        case WindowAction::Change: {
            Change(static_cast<WindowFault>(Pick(0, 2)));
            break;
        }
        case WindowAction::SignInAgain:
            LogInTo(*current);
            break;
        case WindowAction::Expiry:
            Expire();
            break;
        case WindowAction::Switch:
            LogInTo(current == sim.get() ? *second : *sim);
            break;
        case WindowAction::ImportExport:
            ImportThenExport();
            break;
        }
    }

    // Rules for other lists imported from the page-cache page, then every rules list exported from
    // the rewrite view: the file lists what the server holds.
    void ImportThenExport()
    {
        const std::string tag = std::to_string(++serial);
        const std::filesystem::path in = scratch.filePath(QStringLiteral("import.txt")).toStdString();
        const std::filesystem::path out = scratch.filePath(QStringLiteral("export.txt")).toStdString();
        std::ofstream(in, std::ios::binary) << "[RCache]\r\nRCacheCount=1\r\nUrl_1=/imported-" << tag
                                            << "/*\r\n[Rewrite]\r\nRewriteCount=1\r\nSourceUrl_1=/old-" << tag
                                            << "\r\nDestinationUrl_1=/new-" << tag << "\r\n";
        const std::vector<ModelledList*>& lists = modelled.ruleLists;
        window->ShowView(eView_CacheRules);
        lists.front()->Bring();
        if (!Settle())
            return;
        EXPECT_TRUE(lists.front()->Import(in, 10000)) << "the import ended";
        window->ShowView(eView_Rewrite);
        if (!Settle())
            return;
        ASSERT_TRUE(lists.back()->Export(out));
        const Json::Value state = current->state();
        for (const ModelledList* list : lists)
            EXPECT_EQ(list->FileLines(out), list->HeldAsFiled(state)) << list->Name() << " exported";
    }
};

}  // namespace

TEST_F(WindowModel, EveryViewShowsWhatTheCurrentServerHolds)
{
    const unsigned long seed = morvix::test::EnvironmentNumber("MORVIX_MODEL_SEED", 5);
    const unsigned long steps = morvix::test::EnvironmentNumber("MORVIX_MODEL_STEPS", 40);
    random.seed(static_cast<std::mt19937::result_type>(seed));
    Open();
    ASSERT_FALSE(HasFailure());
    for (unsigned long step = 1; step <= steps && !HasFailure(); ++step) {
        SCOPED_TRACE("step " + std::to_string(step));
        const auto action = static_cast<WindowAction>(Pick(0, 4));
        Run(action);
        // The next action before this one's reply.
        if (Pick(1, 5) == 1) {
            ++actions["overlap"];
            Run(static_cast<WindowAction>(Pick(1, 3)));
        }
        if (!Settle())
            break;
        Disarm();
        ExpectShownAsHeld();
    }
    std::cout << "model: seed=" << seed << " steps=" << steps << " actions:";
    for (const auto& [name, count] : actions)
        std::cout << " " << name << "=" << count;
    std::cout << " faults:";
    for (const char* kind : {"reset", "late"})
        std::cout << " " << kind << "=" << faults[kind];
    std::cout << "\n";
    if (!HasFailure() && steps >= 20) {
        for (const char* kind : {"relogin", "expiry", "switch", "overlap"})
            EXPECT_GT(actions[kind], 0) << kind << " never ran";
        for (const char* kind : {"reset", "late"})
            EXPECT_GT(faults[kind], 0) << kind << " never fired";
    }
    if (HasFailure())
        std::cout << "replay: MORVIX_MODEL_SEED=" << seed << " MORVIX_MODEL_STEPS=" << steps << "\n";
}
