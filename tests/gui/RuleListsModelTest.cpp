// A seeded random operator works the rule lists against a simulator that delays, refuses and
// drops some of the replies; after every action, once the views are idle, each list must show
// exactly what the server holds, in order, and every exported file must list it.
// MORVIX_MODEL_SEED and MORVIX_MODEL_STEPS replay a failure or make a long run.

#include "controls/CMoxTabCtrl.h"
#include "controls/CRuleListView.h"
#include "features/access/view/CRewriteManagerDlg.h"
#include "features/access/view/CWhiteListDlg.h"
#include "features/cache/view/CFCacheManagerDlg.h"
#include "features/config/view/CDnsSettingDlg.h"
#include "files/ScratchDirectory.h"
#include "gui/CScriptedUserInteraction.h"
#include "gui/ModelledExchangeList.h"
#include "gui/ModelledRulePages.h"
#include "gui/ViewTestSupport.h"
#include "shell/WaitForQuiet.h"
#include "support/ConsoleSession.h"
#include "support/SimProcess.h"
#include "transport/CMoxHttpManager.h"

#include <QDialog>
#include <QItemSelectionModel>
#include <QPointer>
#include <QPushButton>

#include "support/TestSeed.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <map>
#include <random>
#include <sstream>

using namespace morvix::test;

namespace {

// The step time of every batch and import, shortened from ten seconds. A late reply comes after
// it; the next request of the same kind is slowed so that it is still on its way when the late
// reply arrives, and its server finishes the two in the order they were sent.
// The margins hold on a loaded machine: the slowed request answers well within its step time, and
// the late one is carried out well before the slowed one.
// Instrumented builds run several times slower, so their margins and their default run scale.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr int kSlowdown = 4;
#else
constexpr int kSlowdown = 1;
#endif
constexpr int kStepMs = 600 * kSlowdown;
constexpr int kLateMs = kStepMs * 5 / 4;
constexpr int kSlowedMs = kStepMs / 2;
constexpr int kRulesAtStart = 10;
constexpr int kMostRows = 24;

enum class Action { Add, Modify, Up, Down, DeleteOne, DeleteAtOnce, DeleteInBatch, Refresh, Export, Transfer, SignInAgain };
// Reset and Answered are carried out by the server before their reply is lost or held back.
enum class Fault { None, Late, Refused, Dropped, Reset, Answered };
constexpr int kFaultKinds = 5;

// The summary line's names.
const char* KeyOf(Action action)
{
    static const char* const kKeys[] = {"add",    "modify",  "up",     "down",   "delete-one", "delete-at-once",
                                        "delete-in-batch", "refresh", "export", "switch", "relogin"};
    return kKeys[static_cast<int>(action)];
}

const char* KeyOf(Fault fault)
{
    static const char* const kKeys[] = {"", "delayed", "refused", "dropped", "reset", "late"};
    return kKeys[static_cast<int>(fault)];
}

const char* NameOf(Action action)
{
    static const char* const kNames[] = {"add",     "modify", "move up", "move down", "delete one",
                                         "delete several at once", "delete in a batch", "refresh", "export",
                                         "export and import into a second server", "sign in again"};
    return kNames[static_cast<int>(action)];
}

const char* NameOf(Fault fault)
{
    static const char* const kNames[] = {"", " (late reply)", " (refused)", " (connection dropped)",
                                         " (carried out, reply lost)", " (carried out, answered late)"};
    return kNames[static_cast<int>(fault)];
}

class RuleListsModel : public ::testing::Test {
protected:
    SimProcess sim;
    SimProcess second;
    ConsoleSession console{sim.host()};
    CScriptedUserInteraction answers;
    ScratchDirectory scratch;
    std::unique_ptr<CFCacheManagerDlg> cacheRules;
    std::unique_ptr<CRewriteManagerDlg> rewrite;
    std::unique_ptr<CWhiteListDlg> security;
    std::unique_ptr<CDnsSettingDlg> dns;
    std::vector<std::unique_ptr<ModelledList>> lists;

    std::mt19937 random;
    int serial = 0;
    std::string doing;
    std::map<std::string, int> actionsDone;
    std::map<std::string, int> faultsFired;
    // The fault of the step, armed on `armedOn` with `armed` firings in all, until counted.
    SimClient* armedOn = nullptr;
    Fault armedFault = Fault::None;
    long long armed = 0;

    void SetUp() override
    {
        for (const char* family : {"fcache", "rcache", "scache", "rewrite", "black"})
            Fill(sim, family, kRulesAtStart);
        Fill(sim, "dnsredirect", 4);

        cacheRules = Showing(std::make_unique<CFCacheManagerDlg>());
        rewrite = Showing(std::make_unique<CRewriteManagerDlg>());
        security = Showing(std::make_unique<CWhiteListDlg>(false));
        dns = Showing(std::make_unique<CDnsSettingDlg>());
        dns->Tabs()->setCurrentIndex(CDnsSettingDlg::eRedirect);
        lists = ModelCacheRulePages(*cacheRules);
        lists.push_back(ModelRewritePage(*rewrite->Page()));
        lists.push_back(ModelAddressList(*security->BlackList(), answers));
        lists.push_back(ModelDnsRedirect(*dns->Redirect(), answers));
        for (const auto& list : lists)
            list->SetStepTimeout(kStepMs);
    }

    void TearDown() override
    {
        lists.clear();
        dns.reset();
        security.reset();
        rewrite.reset();
        cacheRules.reset();
        DrainHandOvers();
    }

    template <class View>
    static std::unique_ptr<View> Showing(std::unique_ptr<View> view)
    {
        view->resize(900, 520);
        view->show();
        return view;
    }

    static void Fill(SimClient& server, const std::string& family, int count)
    {
        Json::Value generate;
        generate["count"] = count;
        server.setState(family, generate);
    }

    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    bool Chance(int percent) { return Pick(1, 100) <= percent; }

    static bool NoExchangeRunning() { return nsMoxHttp::CMoxHttpManager::Instance().RunningExchanges() == 0; }

    std::string Busy() const
    {
        std::string busy;
        for (const auto& list : lists)
            if (!list->Idle())
                busy += " " + list->Name();
        return busy;
    }

    // Until nothing is on its way and no view waits for anything: the replies handled, and what
    // the views sent in answer to them answered too.
    bool Settle()
    {
        const auto quiet = [&] { return NoExchangeRunning() && Busy().empty(); };
        for (int round = 0; round < 100; ++round) {
            if (!ProcessUntil(quiet, std::chrono::seconds(30)))
                break;
            if (!WaitForQuiet(std::chrono::seconds(10)) || !DeliverQueuedCalls())
                break;
            if (quiet())
                return true;
        }
        ADD_FAILURE() << "still waiting:" << Busy() << (NoExchangeRunning() ? "" : " (exchanges running)");
        return false;
    }

    void ExpectAllShownAsHeld()
    {
        const Json::Value state = sim.state();
        for (const auto& list : lists)
            EXPECT_EQ(list->Shown(), list->Held(state)) << list->Name() << " shown, against what the server holds";
    }

    // The fault goes on the next requests of the command (a late reply on the first, the next
    // slowed); it is cleared after the action.
    void Inject(SimClient& server, const ModelledList& list, ModelledList::Command command, Fault fault, int count = 1)
    {
        const std::string cmd = list.Cmd(command);
        if (fault == Fault::None || cmd.empty())
            return;
        const auto add = [&](const char* kind, int ms, int times) {
            armed += times;
            Json::Value body;
            body["kind"] = kind;
            body["type"] = list.Type();
            body["cmd"] = cmd;
            body["count"] = times;
            if (ms)
                body["ms"] = ms;
            server.addFault(body);
        };
        NoteFired();
        armedOn = &server;
        armedFault = fault;
        if (fault == Fault::Late) {
            add("delay", kLateMs, 1);
            add("delay", kSlowedMs, 2);
        } else if (fault == Fault::Answered) {
            add("late", kLateMs, count);
        } else {
            static const char* const kKinds[] = {"", "", "busy", "close", "reset"};
            add(kKinds[static_cast<int>(fault)], 0, count);
        }
    }

    // Counts the armed fault when any of its firings was spent; call before its server's faults
    // are cleared.
    void NoteFired()
    {
        if (!armedOn)
            return;
        long long left = 0;
        for (const Json::Value& fault : armedOn->faults())
            left += fault["count"].asInt64();
        if (left < armed)
            ++faultsFired[KeyOf(armedFault)];
        armedOn = nullptr;
        armed = 0;
    }

    void ClearFaults(SimClient& server)
    {
        NoteFired();
        server.clearFaults();
    }

    Fault RandomFault()
    {
        if (!Chance(35))
            return Fault::None;
        return static_cast<Fault>(Pick(1, kFaultKinds));
    }

    std::vector<int> RandomRows(const ModelledList& list, int count)
    {
        std::vector<int> rows;
        for (int row = 0; row < list.List()->model()->rowCount(); ++row)
            if (list.Deletable(row))
                rows.push_back(row);
        std::shuffle(rows.begin(), rows.end(), random);
        rows.resize(std::min<std::size_t>(rows.size(), static_cast<std::size_t>(count)));
        std::sort(rows.begin(), rows.end());
        return rows;
    }

    static void Select(const ModelledList& list, const std::vector<int>& rows)
    {
        QItemSelectionModel* selection = list.List()->selectionModel();
        selection->clearSelection();
        for (int row : rows)
            selection->select(list.List()->model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    // The operator presses the button; an idle view must offer it for this selection.
    static void Press(const ModelledList& list, ModelledList::Command command)
    {
        QPushButton* button = list.Button(command);
        ASSERT_TRUE(button && button->isEnabled()) << "the button of command " << command << " is offered";
        button->click();
    }

    // Fills the open form and presses OK: an accepted change closes it; after a refusal or a
    // failed exchange the operator gives up.
    void Submit(ModelledList& list, bool modify)
    {
        QPointer<QPushButton> ok = list.FillForm(++serial, modify);
        ASSERT_TRUE(ok) << "the form opened";
        QPointer<QDialog> form = list.Form();
        ok->click();
        ASSERT_TRUE(ProcessUntil([&] { return form.isNull() || !form->isVisible() || ok->isEnabled(); },
                                 std::chrono::seconds(20)));
        if (form && form->isVisible())
            form->reject();
    }

    void Delete(ModelledList& list, const std::vector<int>& rows)
    {
        Select(list, rows);
        const auto asked = answers.Prompts().size();
        answers.QueueDecision(true);
        Press(list, ModelledList::eDelete);
        ASSERT_EQ(answers.Prompts().size(), asked + 1) << "the deletion asks once";
    }

    std::vector<ModelledList*> SameFile(const ModelledList& list)
    {
        std::vector<ModelledList*> same;
        for (const auto& each : lists)
            if (each->FileKind() == list.FileKind())
                same.push_back(each.get());
        return same;
    }

    std::filesystem::path ExportChecked(ModelledList& list, int step)
    {
        const std::filesystem::path file = scratch / ("export-" + std::to_string(step) + ".txt");
        EXPECT_TRUE(list.Export(file)) << "a file was written";
        const Json::Value state = sim.state();
        for (ModelledList* each : SameFile(list))
            EXPECT_EQ(each->FileLines(file), each->HeldAsFiled(state)) << each->Name() << " exported, against the server";
        return file;
    }

    void Refresh(ModelledList& list)
    {
        list.Bring();
        if (!Settle())
            return;
        Press(list, ModelledList::eRefresh);
        Settle();
    }

    void Transfer(ModelledList& list, int step, Fault fault)
    {
        const std::filesystem::path file = ExportChecked(list, step);
        const std::vector<ModelledList*> same = SameFile(list);
        for (ModelledList* each : same)
            Fill(second, each->Family(), 0);
        ASSERT_TRUE(SignIn(second.host()));
        ModelledList& faulted = *same[static_cast<std::size_t>(Pick(0, static_cast<int>(same.size()) - 1))];
        Inject(second, faulted, ModelledList::eAdd, fault);
        EXPECT_TRUE(list.Import(file, kStepMs)) << "the import ended";
        Settle();
        ClearFaults(second);
        const Json::Value state = second.state();
        for (ModelledList* each : same)
            EXPECT_EQ(each->HeldAsFiled(state), each->FileLines(file)) << each->Name() << " imported into a second server";
        ASSERT_TRUE(SignIn(sim.host()));
        for (ModelledList* each : same)
            Refresh(*each);
    }

    Action RandomAction(const ModelledList& list)
    {
        const int rows = list.List()->model()->rowCount();
        const bool movable = !list.Cmd(ModelledList::eUp).empty();
        const bool crowded = rows > kMostRows;
        struct Weighted {
            Action action;
            int weight;
        };
        const Weighted weights[] = {
            {Action::Add, crowded ? 2 : 14},
            {Action::Modify, rows ? 10 : 0},
            {Action::Up, movable && rows > 1 ? 8 : 0},
            {Action::Down, movable && rows > 1 ? 8 : 0},
            {Action::DeleteOne, RandomRows(list, 1).empty() ? 0 : (crowded ? 12 : 6)},
            {Action::DeleteAtOnce, list.MostDeletedAtOnce() > 1 && rows > 4 ? 4 : 0},
            {Action::DeleteInBatch,
             static_cast<int>(RandomRows(list, list.MostDeletedAtOnce() + 3).size()) > list.MostDeletedAtOnce() + 2
                 ? (crowded ? 8 : 3)
                 : 0},
            {Action::Refresh, 6},
            {Action::Export, 5},
            {Action::Transfer, 1},
            {Action::SignInAgain, 2},
        };
        int total = 0;
        for (const Weighted& each : weights)
            total += each.weight;
        int drawn = Pick(1, total);
        for (const Weighted& each : weights) {
            drawn -= each.weight;
            if (drawn <= 0)
                return each.action;
        }
        return Action::Refresh;
    }

    void Run(ModelledList& list, Action action, Fault fault, int step)
    {
        const int rows = list.List()->model()->rowCount();
        switch (action) {
        case Action::Add:
            Inject(sim, list, ModelledList::eAdd, fault);
            Press(list, ModelledList::eAdd);
            Submit(list, false);
            break;
        case Action::Modify:
            Select(list, {Pick(0, rows - 1)});
            Inject(sim, list, ModelledList::eModify, fault);
            Press(list, ModelledList::eModify);
            Submit(list, true);
            break;
        case Action::Up:
        case Action::Down: {
            const bool up = action == Action::Up;
            Select(list, {up ? Pick(1, rows - 1) : Pick(0, rows - 2)});
            const ModelledList::Command command = up ? ModelledList::eUp : ModelledList::eDown;
            Inject(sim, list, command, fault);
            Press(list, command);
            break;
        }
        case Action::DeleteOne:
            Inject(sim, list, ModelledList::eDelete, fault);
            Delete(list, RandomRows(list, 1));
            break;
        case Action::DeleteAtOnce: {
            const int count = Pick(2, list.MostDeletedAtOnce());
            Inject(sim, list, ModelledList::eDelete, fault, Pick(1, count));
            Delete(list, RandomRows(list, count));
            break;
        }
        case Action::DeleteInBatch: {
            const int count = list.MostDeletedAtOnce() + Pick(1, 3);
            Inject(sim, list, ModelledList::eDelete, fault, Pick(1, 2));
            Delete(list, RandomRows(list, count));
            break;
        }
        case Action::Refresh:
            Inject(sim, list, ModelledList::eRefresh, fault);
            Press(list, ModelledList::eRefresh);
            if (fault == Fault::Refused || fault == Fault::Dropped || fault == Fault::Reset) {
                if (!Settle())
                    return;
                const Json::Value state = sim.state();
                if (list.ClearsOnFailedList())
                    EXPECT_TRUE(list.Shown().empty()) << "a failed list takes the rows away";
                else
                    EXPECT_EQ(list.Shown(), list.Held(state)) << "a failed list leaves the rows";
                ClearFaults(sim);
                Press(list, ModelledList::eRefresh);
            }
            break;
        case Action::Export:
            ExportChecked(list, step);
            break;
        case Action::Transfer:
            Transfer(list, step, fault == Fault::None ? Fault::None : Fault::Late);
            break;
        case Action::SignInAgain:
            // Sometimes with the list still on its way.
            if (fault != Fault::None) {
                Inject(sim, list, ModelledList::eRefresh, Fault::Late);
                Press(list, ModelledList::eRefresh);
            }
            ASSERT_TRUE(SignIn(sim.host()));
            break;
        }
    }
};

}  // namespace

TEST_F(RuleListsModel, WhatTheViewsShowAndExportIsWhatTheServerHolds)
{
    const unsigned long seed = morvix::test::EnvironmentNumber("MORVIX_MODEL_SEED", 20);
    const unsigned long steps = morvix::test::EnvironmentNumber("MORVIX_MODEL_STEPS", 300 / kSlowdown);
    random.seed(static_cast<std::mt19937::result_type>(seed));
    // Each list shown once, so that each holds its rows.
    for (const auto& list : lists) {
        list->Bring();
        ASSERT_TRUE(Settle());
    }
    ExpectAllShownAsHeld();

    for (unsigned long step = 1; step <= steps && !HasFailure(); ++step) {
        ModelledList& list = *lists[static_cast<std::size_t>(Pick(0, static_cast<int>(lists.size()) - 1))];
        list.Bring();
        if (!Settle())
            break;
        const Action action = RandomAction(list);
        const Fault fault = RandomFault();
        ++actionsDone[KeyOf(action)];
        std::ostringstream what;
        what << "step " << step << ": " << list.Name() << ", " << NameOf(action) << NameOf(fault);
        doing = what.str();
        SCOPED_TRACE(doing);
        Run(list, action, fault, static_cast<int>(step));
        if (!HasFailure() && Settle())
            ExpectAllShownAsHeld();
        ClearFaults(sim);
    }
    std::cout << "model: seed=" << seed << " steps=" << steps << " actions:";
    for (const auto& [name, count] : actionsDone)
        std::cout << " " << name << "=" << count;
    std::cout << " faults:";
    for (int kind = 1; kind <= kFaultKinds; ++kind) {
        const char* name = KeyOf(static_cast<Fault>(kind));
        std::cout << " " << name << "=" << faultsFired[name];
    }
    std::cout << "\n";
    // A kind that never fired tested nothing; a run long enough to draw each must show each.
    if (!HasFailure() && steps >= 50) {
        for (int kind = 1; kind <= kFaultKinds; ++kind)
            EXPECT_GT(faultsFired[KeyOf(static_cast<Fault>(kind))], 0) << KeyOf(static_cast<Fault>(kind)) << " never fired";
    }
    if (HasFailure())
        std::cout << "replay: MORVIX_MODEL_SEED=" << seed << " MORVIX_MODEL_STEPS=" << steps << " (failed at "
                  << doing << ")\n";
}
