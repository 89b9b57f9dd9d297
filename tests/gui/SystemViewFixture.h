#pragma once

#include "features/config/SystemRequests.h"
#include "features/config/view/CSystemOptionsEditor.h"
#include "gui/CScriptedUserInteraction.h"
#include "gui/ViewTestSupport.h"
#include "messaging/EventKinds.h"
#include "support/ConsoleSession.h"
#include "support/SimProcess.h"
#include "transport/CMoxHttpManager.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace morvix::test {

// A session with a simulator of its own; the views are made by each test.
class SystemViewFixture : public ::testing::Test {
protected:
    static constexpr char kModify[] = "type=system&cmd=modify";

    SimProcess sim;
    ConsoleSession console{sim.host()};
    CScriptedUserInteraction answers;

    void TearDown() override { DrainHandOvers(); }

    // The main window asks for the options after a login; the views only listen.
    bool ReadOptions(const CSystemOptionsEditor* editor)
    {
        const std::size_t before = console.Events().Count(eMoxCacheEvent_SystemOptionsRead);
        return SystemManager_List() && ProcessUntil([&] {
                   return console.Events().Count(eMoxCacheEvent_SystemOptionsRead) > before && editor->Known() &&
                          NoExchangeRunning();
               });
    }

    static bool NoExchangeRunning() { return nsMoxHttp::CMoxHttpManager::Instance().RunningExchanges() == 0; }

    // Types over the whole field, as an operator would.
    static void Retype(QLineEdit* edit, const QString& text)
    {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    std::vector<std::string> ModifyPairs()
    {
        std::vector<std::string> pairs;
        for (const std::string& body : LoggedBodies(sim, kModify))
            pairs.push_back(PairsAfterRequestId(body));
        return pairs;
    }

    // The replies are in and the views have been handed them, as the operator would see them.
    bool WaitForModifies(std::size_t count)
    {
        const bool replied = ProcessUntil([&] {
            return console.Events().Count(eMoxCacheEvent_SystemOptionsSet) >= count && NoExchangeRunning();
        });
        DrainHandOvers();
        return replied;
    }
};

}  // namespace morvix::test
