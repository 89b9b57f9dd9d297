#include "controls/CRuleListView.h"
#include "features/monitor/CRealtimeInstantRequestEventParam.h"
#include "features/monitor/RthRequests.h"
#include "features/monitor/view/CInstantRequestContentDlg.h"
#include "features/monitor/view/CInstantRequestModel.h"
#include "features/monitor/view/CInstantRequestMonitor.h"
#include "features/monitor/view/CRTHRequestBigCacheDlg.h"
#include "gui/CScriptedUserInteraction.h"
#include "gui/ViewTestSupport.h"
#include "integration/OneShotFault.h"
#include "messaging/EventKinds.h"
#include "messaging/PostCacheEvent.h"
#include "shell/CMoxInstanceManager.h"
#include "support/ConsoleSession.h"
#include "support/SimProcess.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace morvix::test;

namespace {

const char* const kStreamQuery = "type=realtime&cmd=instantrequest";

class AccessMonitor : public ::testing::Test {
protected:
    SimProcess sim{{"--stream-rate", "2000"}};
    ConsoleSession console{sim.host()};
    CScriptedUserInteraction answers;
    QTemporaryDir scratch;
    std::unique_ptr<CRTHRequestBigCacheDlg> view;

    void SetUp() override
    {
        const std::filesystem::path rules = scratch.filePath(QStringLiteral("InstantRequest.ini")).toStdString();
        std::ofstream(rules) << "[InstantRequest]\r\n"
                                "request_name_1=门户\r\nrequest_url_1=http://www.example.com/*\r\nrequest_dateTime_1=1\r\n"
                                "request_name_2=论坛\r\nrequest_url_2=http://bbs.example.org/*\r\n"
                                "request_name_3=没有地址\r\n"
                                "request_name_4=图片\r\nrequest_url_4=\\.jpg$\r\nrequest_rules_4=1\r\n";
        std::filesystem::remove(LoginHistoryDirectory() / "127.0.0.1.ini");
        view = std::make_unique<CRTHRequestBigCacheDlg>(nullptr, rules);
        view->OnServerChanged(ServerPlatform());
        view->resize(900, 500);
        view->show();
    }

    void TearDown() override
    {
        view.reset();
        DrainHandOvers();
    }

    static std::filesystem::path LoginHistoryDirectory()
    {
        return CMoxInstanceManager::GetInstanceManager()->DataDir() / "LoginHistory";
    }

    CInstantRequestMonitor* Monitor() const { return view->Monitor(); }
    int Rows() const { return Monitor()->Model()->rowCount(); }
    QString Cell(int row, int column) const
    {
        const auto* model = Monitor()->Model();
        return model->data(model->index(row, column)).toString();
    }
    std::vector<std::string> StreamBodies() { return LoggedBodies(sim, kStreamQuery); }

    void StartWithFilter(const QString& filter)
    {
        view->FilterBox()->setEditText(filter);
        view->StartButton()->click();
        ASSERT_EQ(view->StartButton()->text(), "停止监控");
    }

    // The stream answers after the test is over, so that only the pieces a test posts arrive.
    void SilenceStream()
    {
        Json::Value delay = OneShotFault("delay", "realtime", "instantrequest");
        delay["ms"] = 60000;
        sim.addFault(delay);
    }

    // Posts text as the stream of the current run would.
    void PostPiece(const std::string& text, int run)
    {
        PostCacheEvent(eMoxCacheEvent_InstantRequest, eMoxEventStatus_Ok,
                       (new CRealtimeInstantRequestEventParam(text, run))->AsParam());
    }
};

TEST_F(AccessMonitor, RulesWithoutAnAddressAreLeftOutAndFiltersStartAsTheFixedEntries)
{
    QStringList rules;
    for (int i = 0; i < view->RuleBox()->count(); ++i)
        rules << view->RuleBox()->itemText(i);
    EXPECT_EQ(rules, QStringList({"门户", "论坛", "图片"}));
    EXPECT_EQ(view->FilterBox()->count(), 8);
    EXPECT_EQ(view->FilterBox()->currentText(), "监控所有用户");
    EXPECT_EQ(view->FilterBox()->toolTip(), "可输入用户 IP 或者 IP 段");
    EXPECT_EQ(view->FilterBox()->lineEdit()->maxLength(), 64);
}

TEST_F(AccessMonitor, ARangeSendsBothBoundsAndIsRememberedForTheNextLogin)
{
    StartWithFilter(QStringLiteral("192.168.1.10-192.168.1.20"));
    EXPECT_FALSE(view->FilterBox()->isEnabled());
    ASSERT_TRUE(ProcessUntil([&] { return Rows() > 0; }));
    view->StartButton()->click();
    EXPECT_EQ(view->StartButton()->text(), "开始监控");
    EXPECT_TRUE(view->FilterBox()->isEnabled());

    StartWithFilter(QStringLiteral("监控所有用户"));
    // A stream stopped before its request left sends nothing, so the request is awaited first.
    ASSERT_TRUE(ProcessUntil([&] { return StreamBodies().size() == 2; }));
    view->StopMonitoring();
    const auto bodies = StreamBodies();
    EXPECT_NE(bodies[0].find("&RequestUrl=http%3A%2F%2Fwww.example.com%2F*&"), std::string::npos) << bodies[0];
    EXPECT_NE(bodies[0].find("&IPLow=192.168.1.10&IPHigh=192.168.1.20"), std::string::npos) << bodies[0];
    EXPECT_EQ(bodies[1].find("&IPLow="), std::string::npos) << bodies[1];
    EXPECT_EQ(bodies[1].find("&IPHigh="), std::string::npos) << bodies[1];

    // A new login rebuilds the filters from the server's memory and selects the latest one.
    view->FilterBox()->setCurrentIndex(1);
    StartWithFilter(QStringLiteral("10.1.1.1"));
    view->StopMonitoring();
    CRTHRequestBigCacheDlg next(nullptr, std::filesystem::path());
    EXPECT_EQ(next.FilterBox()->count(), 8);
    next.OnServerChanged(ServerPlatform());
    ASSERT_EQ(next.FilterBox()->count(), 10);
    EXPECT_EQ(next.FilterBox()->itemText(8), "10.1.1.1");
    EXPECT_EQ(next.FilterBox()->itemText(9), "192.168.1.10-192.168.1.20");
    EXPECT_EQ(next.FilterBox()->currentText(), "10.1.1.1");
}

TEST_F(AccessMonitor, RowsFollowTheStreamAndStopEndsThemEvenWithBytesInFlight)
{
    StartWithFilter(QString());
    ASSERT_TRUE(ProcessUntil([&] { return Rows() >= 50; }));
    EXPECT_EQ(Cell(0, 0), "1");
    EXPECT_NE(Cell(0, 1).indexOf("www.example.com"), -1) << Cell(0, 1).toStdString();
    EXPECT_EQ(Monitor()->List()->verticalScrollBar()->value(), Monitor()->List()->verticalScrollBar()->maximum());

    // A piece of the running stream still queued when the operator stops must not be shown.
    PostPiece("late but of this run\r\n", Monitor()->CurrentRun());
    view->StartButton()->click();
    const int stoppedAt = Rows();
    ASSERT_TRUE(MonitorManager_RthList());
    ASSERT_TRUE(console.Events().Next(eMoxCacheEvent_RthList));
    DrainHandOvers();
    EXPECT_EQ(Rows(), stoppedAt);
    EXPECT_EQ(StreamBodies().size(), 1u);
}

TEST_F(AccessMonitor, PiecesBecomeRowsOnlyWhenTheirLineIsWholeAndOldRunsAreIgnored)
{
    SilenceStream();
    StartWithFilter(QString());
    const int run = Monitor()->CurrentRun();
    PostPiece("first half ", run);
    PostPiece("of a line from an old run\r\n", run - 1);
    PostPiece("and its end\r\nsecond\r\n", run);
    ASSERT_TRUE(ProcessUntil([&] { return Rows() == 2; }));
    EXPECT_EQ(Cell(0, 1), "first half and its end");
    EXPECT_EQ(Cell(1, 0), "2");

    // A half line left when the operator stops is not glued to the next run's first line.
    PostPiece("cut short", run);
    ASSERT_TRUE(MonitorManager_RthList());
    ASSERT_TRUE(console.Events().Next(eMoxCacheEvent_RthList));
    DrainHandOvers();
    view->StopMonitoring();
    SilenceStream();
    StartWithFilter(QString());
    PostPiece("whole\r\n", Monitor()->CurrentRun());
    ASSERT_TRUE(ProcessUntil([&] { return Rows() == 3; }));
    EXPECT_EQ(Cell(2, 1), "whole");
}

TEST_F(AccessMonitor, AStreamCutByTheServerReconnectsAtOnce)
{
    Json::Value cut = OneShotFault("cut-stream", "realtime", "instantrequest");
    cut["lines"] = 5;
    sim.addFault(cut);
    StartWithFilter(QString());
    ASSERT_TRUE(ProcessUntil([&] { return StreamBodies().size() >= 2 && Rows() > 5; }));
    EXPECT_EQ(view->StartButton()->text(), "停止监控");
    EXPECT_EQ(Monitor()->LastReconnectWait().count(), 0);
    const auto texts = console.Events().StatusTexts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "实时访问监控连接已断开，正在重新连接...."), texts.end());
}

TEST_F(AccessMonitor, AServerRefusingEveryStreamIsAskedAgainAfterGrowingWaits)
{
    Json::Value refuse;
    refuse["kind"] = "close";
    refuse["type"] = "realtime";
    refuse["cmd"] = "instantrequest";
    sim.addFault(refuse);
    StartWithFilter(QString());
    ASSERT_TRUE(ProcessUntil([&] { return Monitor()->LastReconnectWait() >= std::chrono::milliseconds(2000); },
                             std::chrono::seconds(15)));
    // 0, 0.5, 1 and 2 seconds: a tight loop would have asked hundreds of times by now.
    EXPECT_LE(StreamBodies().size(), 5u);
    EXPECT_GE(StreamBodies().size(), 4u);
    view->StopMonitoring();
}

TEST_F(AccessMonitor, ClearingAsksFirstAndTheMenuOffersTheCommands)
{
    SilenceStream();
    StartWithFilter(QString());
    PostPiece("10.0.0.1 http://a/\r\n10.0.0.2 http://b/\r\n", Monitor()->CurrentRun());
    ASSERT_TRUE(ProcessUntil([&] { return Rows() == 2; }));

    const auto menu = view->MakeContextMenu();
    QStringList entries;
    for (QAction* action : menu->actions())
        entries << action->text();
    EXPECT_EQ(entries, QStringList({"停止监控", "自动滚屏", "清空监控数据"}));

    answers.QueueDecision(false);
    view->ClearButton()->click();
    EXPECT_EQ(Rows(), 2);
    answers.QueueDecision(true);
    view->ClearButton()->click();
    EXPECT_EQ(Rows(), 0);
    ASSERT_EQ(answers.Prompts().size(), 2);
    EXPECT_EQ(answers.Prompts()[0].title, "清空数据");
    EXPECT_EQ(answers.Prompts()[0].text, "您确定要清空所有监控数据吗？");

    PostPiece("10.0.0.3 http://c/\r\n", Monitor()->CurrentRun());
    ASSERT_TRUE(ProcessUntil([&] { return Rows() == 1; }));
    EXPECT_EQ(Cell(0, 0), "1");
}

TEST_F(AccessMonitor, FindJumpsToTheNextRowWithTheTextAndTheContentWindowShowsItWhole)
{
    SilenceStream();
    StartWithFilter(QString());
    const std::string longLine = "10.9.9.9 " + std::string(CInstantRequestModel::kShownLineBytes + 100, 'x');
    PostPiece("10.0.0.1 /a\r\n10.0.0.7 /b\r\n10.0.0.1 /c\r\n" + longLine + "\r\n", Monitor()->CurrentRun());
    ASSERT_TRUE(ProcessUntil([&] { return Rows() == 4; }));
    EXPECT_EQ(Cell(3, 1).size(), static_cast<qsizetype>(CInstantRequestModel::kShownLineBytes));

    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    Monitor()->List()->setFocus();
    QTest::keyClick(Monitor()->List(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(Monitor()->FindField()->hasFocus());
    QTest::keyClicks(Monitor()->FindField(), QStringLiteral("10.0.0.1"));
    QTest::keyClick(Monitor()->FindField(), Qt::Key_Return);
    EXPECT_EQ(Monitor()->List()->SelectedRows(), std::vector<int>{0});
    EXPECT_FALSE(view->AutoScrollBox()->isChecked());
    QTest::keyClick(Monitor()->FindField(), Qt::Key_Return);
    EXPECT_EQ(Monitor()->List()->SelectedRows(), std::vector<int>{2});

    emit Monitor()->List()->RowActivated(3);
    auto* content = Monitor()->findChild<CInstantRequestContentDlg*>();
    ASSERT_NE(content, nullptr);
    EXPECT_EQ(content->Text()->toPlainText().toStdString(), longLine);
    EXPECT_TRUE(content->Text()->isReadOnly());
}

TEST_F(AccessMonitor, LeavingTheViewStopsMonitoring)
{
    StartWithFilter(QString());
    view->hide();
    EXPECT_FALSE(Monitor()->IsMonitoring());
    EXPECT_EQ(view->StartButton()->text(), "开始监控");
}

}  // namespace
