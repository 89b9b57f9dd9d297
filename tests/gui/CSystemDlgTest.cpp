#include "features/config/view/CDiskSystemSetWnd.h"
#include "features/config/view/CSystemDlg.h"
#include "gui/SystemViewFixture.h"
#include "shell/CMoxCacheInstance.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

using namespace morvix::test;

namespace {

class SystemView : public SystemViewFixture {};

Json::Value Refusal(const std::string& kind, int count = 1)
{
    Json::Value fault;
    fault["kind"] = kind;
    fault["type"] = "system";
    fault["cmd"] = "modify";
    fault["count"] = count;
    return fault;
}

}  // namespace

TEST_F(SystemView, ShowsTheServersOptionsOnceTheyAreRead)
{
    CSystemDlg view;
    EXPECT_FALSE(view.SaveAllButton()->isEnabled());
    EXPECT_FALSE(view.SwitchButton(eSystemModify_RunningSwitch)->isEnabled()) << "nothing known to switch yet";
    ASSERT_TRUE(ReadOptions(view.Editor()));

    EXPECT_EQ(view.Field(&SystemOptions::MaxUsableMemSize)->text(), "2048");
    EXPECT_EQ(view.Field(&SystemOptions::ClientRequestTimeOut)->text(), "16");
    EXPECT_EQ(view.Field(&SystemOptions::MaxUsableMemSize)->maxLength(), 4);
    EXPECT_EQ(view.Field(&SystemOptions::MaxUpstreamConnections)->maxLength(), 6);
    EXPECT_EQ(view.Field(&SystemOptions::MaxClientRecvBuffer)->maxLength(), 2);
    EXPECT_TRUE(view.Flag(&SystemOptions::UnenableAccessLog)->isChecked());
    EXPECT_EQ(view.SwitchButton(eSystemModify_RunningSwitch)->text(), "暂停缓存服务");
    EXPECT_EQ(view.SwitchButton(eSystemModify_MemCacheSwitch)->text(), "停止缓存加速功能");
    EXPECT_EQ(view.SwitchButton(eSystemModify_PageViewStatSwitch)->text(), "停止流量统计功能");
    EXPECT_TRUE(view.DailyReportChoice()->isChecked());
    EXPECT_EQ(view.ReportHourField()->text(), "2");
    EXPECT_FALSE(view.ReportHourField()->isReadOnly());
    EXPECT_TRUE(view.ReportPeriodField()->isReadOnly()) << "the choice not taken";
    EXPECT_FALSE(view.SaveAllButton()->isEnabled());
    EXPECT_FALSE(view.SaveReportButton()->isEnabled());
}

TEST_F(SystemView, SavingWithoutAChangeSendsNothing)
{
    CSystemDlg view;
    ASSERT_TRUE(ReadOptions(view.Editor()));
    QLineEdit* connections = view.Field(&SystemOptions::MaxConnections);
    QTest::keyClicks(connections, "1");
    QTest::keyClick(connections, Qt::Key_Backspace);
    ASSERT_TRUE(view.SaveAllButton()->isEnabled()) << "an edit enables saving";
    view.SaveAllButton()->click();
    EXPECT_TRUE(NoExchangeRunning()) << "no request was started";
    EXPECT_FALSE(view.SaveAllButton()->isEnabled());
    EXPECT_TRUE(LoggedBodies(sim, kModify).empty());
}

TEST_F(SystemView, OnlyTheChangedReceiveBufferIsSentAndTheServerCopyFollows)
{
    CSystemDlg view;
    ASSERT_TRUE(ReadOptions(view.Editor()));
    Retype(view.Field(&SystemOptions::MaxClientRecvBuffer), "16");
    view.SaveAllButton()->click();
    EXPECT_FALSE(view.SaveAllButton()->isEnabled()) << "while the save is under way";
    ASSERT_TRUE(WaitForModifies(1));

    EXPECT_EQ(ModifyPairs(), std::vector<std::string>{"&MaxClientRecvBuffer=16"});
    EXPECT_EQ(console.Instance().Options().MaxClientRecvBuffer, 16);
    EXPECT_FALSE(view.SaveAllButton()->isEnabled());
    EXPECT_FALSE(view.Editor()->Modified());

    Retype(view.Field(&SystemOptions::MaxCacheBlockSize), "256");
    view.SaveAllButton()->click();
    ASSERT_TRUE(WaitForModifies(2));
    EXPECT_EQ(ModifyPairs().back(), "&MaxCacheBlockSize=256") << "earlier changes are not sent again";
}

TEST_F(SystemView, ARefusedSaveKeepsTheEditsAndOffersSavingAgain)
{
    CSystemDlg view;
    ASSERT_TRUE(ReadOptions(view.Editor()));
    sim.addFault(Refusal("busy"));
    Retype(view.Field(&SystemOptions::MaxSessionCacheSize), "150");
    view.SaveAllButton()->click();
    ASSERT_TRUE(WaitForModifies(1));
    EXPECT_TRUE(view.SaveAllButton()->isEnabled());
    EXPECT_EQ(view.Field(&SystemOptions::MaxSessionCacheSize)->text(), "150");
    EXPECT_EQ(console.Instance().Options().MaxSessionCacheSize, 100);

    view.SaveAllButton()->click();
    ASSERT_TRUE(WaitForModifies(2));
    EXPECT_EQ(ModifyPairs(), (std::vector<std::string>{"&MaxSessionCacheSize=150", "&MaxSessionCacheSize=150"}));
    EXPECT_EQ(console.Instance().Options().MaxSessionCacheSize, 150);
}

TEST_F(SystemView, SwitchCaptionsFollowTheirReplies)
{
    CSystemDlg view;
    ASSERT_TRUE(ReadOptions(view.Editor()));
    QPushButton* running = view.SwitchButton(eSystemModify_RunningSwitch);
    running->click();
    EXPECT_FALSE(running->isEnabled()) << "while its request is under way";
    ASSERT_TRUE(WaitForModifies(1));
    EXPECT_TRUE(running->isEnabled());
    EXPECT_EQ(running->text(), "启用缓存服务");

    QPushButton* statistics = view.SwitchButton(eSystemModify_PageViewStatSwitch);
    statistics->click();
    ASSERT_TRUE(WaitForModifies(2));
    EXPECT_EQ(statistics->text(), "启用流量统计功能");

    // A refused switch changes nothing, so the next click asks for the same change again.
    sim.addFault(Refusal("busy"));
    QPushButton* acceleration = view.SwitchButton(eSystemModify_MemCacheSwitch);
    acceleration->click();
    ASSERT_TRUE(WaitForModifies(3));
    EXPECT_EQ(acceleration->text(), "停止缓存加速功能");
    EXPECT_TRUE(acceleration->isEnabled());
    acceleration->click();
    ASSERT_TRUE(WaitForModifies(4));
    EXPECT_EQ(acceleration->text(), "开启缓存加速功能");

    const std::vector<std::string> expected = {"&IsRunning=0", "&IsUsedPageViewStat=0", "&IsUsedMemCache=0",
                                               "&IsUsedMemCache=0"};
    EXPECT_EQ(ModifyPairs(), expected);
}

TEST_F(SystemView, TheTrafficReportIsSavedOnItsOwn)
{
    CSystemDlg view;
    ASSERT_TRUE(ReadOptions(view.Editor()));
    view.PeriodicReportChoice()->click();
    EXPECT_TRUE(view.ReportHourField()->isReadOnly());
    EXPECT_FALSE(view.ReportPeriodField()->isReadOnly());
    Retype(view.ReportPeriodField(), "48");
    ASSERT_TRUE(view.SaveReportButton()->isEnabled());
    view.SaveReportButton()->click();
    ASSERT_TRUE(WaitForModifies(1));
    EXPECT_EQ(ModifyPairs(), std::vector<std::string>{"&PVRCreatingOption=0&PVRCreatingPeriodTime=48"});
    EXPECT_FALSE(view.SaveReportButton()->isEnabled());
    EXPECT_FALSE(view.SaveAllButton()->isEnabled()) << "the report save is not the full save";
}

// Both views save with the same operation kind: each must keep to its own replies, and a save of
// one must not be undone by a later save of the other.
TEST_F(SystemView, TheTwoViewsDoNotUndoEachOthersSaves)
{
    CSystemDlg system;
    CDiskSystemSetWnd disk;
    ASSERT_TRUE(ReadOptions(system.Editor()));
    ASSERT_TRUE(disk.Editor()->Known());

    Retype(system.Field(&SystemOptions::MaxClientSendBuffer), "16");
    Retype(disk.ConnectionsField(), "8000");
    disk.SaveButton()->click();
    ASSERT_TRUE(WaitForModifies(1));
    EXPECT_TRUE(system.SaveAllButton()->isEnabled()) << "the system view's edit is still unsaved";
    EXPECT_EQ(system.Field(&SystemOptions::MaxConnections)->text(), "8000");
    EXPECT_EQ(system.Field(&SystemOptions::MaxClientSendBuffer)->text(), "16");

    system.SaveAllButton()->click();
    ASSERT_TRUE(WaitForModifies(2));
    EXPECT_EQ(ModifyPairs().back(), "&MaxClientSendBuffer=16");
    EXPECT_EQ(console.Instance().Options().MaxConnections, 8000);
}
