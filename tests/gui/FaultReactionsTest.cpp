#include "features/config/view/CSystemDlg.h"
#include "gui/FCacheViewFixture.h"
#include "gui/SystemViewFixture.h"
#include "integration/OneShotFault.h"
#include "reliability/ShortenedExchangeLimits.h"
#include "shell/CMoxCacheInstance.h"

#include <QPushButton>

#include <iostream>

using namespace morvix::test;

namespace {

// Every fault of the simulator that spoils a reply; the expired session comes last, since the
// session does not come back. "reset" and "boolean-return" carry the change out on the server:
// the console must still show nothing it has not seen confirmed.
const char* const kFaults[] = {"delay", "close", "reset", "http-500", "not-json",
                               "boolean-return", "no-errorno", "busy", "expire-sessions"};

Json::Value FaultOn(const char* kind, const char* type, const char* cmd)
{
    Json::Value fault = OneShotFault(kind, type, cmd);
    fault["ms"] = 6000;
    return fault;
}

class FCacheFaultReactions : public FCacheViewFixture {
protected:
    ShortenedExchangeLimits limits;

    QStringList Urls() const
    {
        QStringList urls;
        for (int row = 0; row < Rows(); ++row)
            urls << Cell(row, 1);
        return urls;
    }

    QStringList HeldUrls()
    {
        QStringList urls;
        const Json::Value state = sim.state();
        for (const Json::Value& rule : state["fcache"]["entries"])
            urls << QString::fromStdString(rule["Url"].asString());
        return urls;
    }
};

class SystemFaultReactions : public SystemViewFixture {
protected:
    ShortenedExchangeLimits limits;
};

}  // namespace

// The rows stay as the server holds them: unmoved, or moved by a server whose reply was lost (the
// page then reads the list again).
TEST_F(FCacheFaultReactions, AFailedMoveChangesNoRow)
{
    FillRules(4);
    Open(4);
    for (const char* kind : kFaults) {
        SCOPED_TRACE(kind);
        sim.addFault(FaultOn(kind, "fcache", "down"));
        Select({1});
        Button(CRuleListPage::eDown)->click();
        ASSERT_TRUE(WaitIdle());
        const bool kept = Urls() == HeldUrls() && console.Instance().fcacheRules.Size() == 4u;
        std::cout << "page-cache move under " << kind << ": rows " << (kept ? "as held" : "CHANGED") << '\n';
        EXPECT_TRUE(kept);
        EXPECT_TRUE(Button(CRuleListPage::eRefresh)->isEnabled()) << "the view left its busy state";
    }
}

TEST_F(SystemFaultReactions, AFailedSaveChangesNoField)
{
    CSystemDlg view;
    ASSERT_TRUE(ReadOptions(view.Editor()));
    Retype(view.Field(&SystemOptions::MaxSessionCacheSize), "150");
    for (const char* kind : kFaults) {
        SCOPED_TRACE(kind);
        sim.addFault(FaultOn(kind, "system", "modify"));
        view.SaveAllButton()->click();
        ASSERT_TRUE(ProcessUntil([&] { return view.SaveAllButton()->isEnabled() && NoExchangeRunning(); }));
        const bool kept = view.Field(&SystemOptions::MaxSessionCacheSize)->text() == "150" &&
                          console.Instance().Options().MaxSessionCacheSize == 100;
        std::cout << "system options save under " << kind << ": fields " << (kept ? "kept" : "CHANGED") << '\n';
        EXPECT_TRUE(kept);
    }
}
