#include "features/config/view/CDiskCacheDlg.h"
#include "features/config/view/CDiskDirUnitWnd.h"
#include "features/config/view/CDiskNoteDlg.h"
#include "gui/CScriptedUserInteraction.h"
#include "gui/HandedOverRelay.h"
#include "gui/SimViewFixture.h"
#include "gui/ViewTestSupport.h"
#include "integration/CannedAdminServer.h"
#include "messaging/EventKinds.h"
#include "support/ConsoleSession.h"
#include "support/SimProcess.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace morvix::test;

namespace {

constexpr char kSet[] = "type=diskcache&cmd=set";
constexpr char kQuery[] = "type=diskcache&cmd=query";

// The page alone, with the disk-cache records handed to it as the main window hands them.
struct DiskPage {
    CDiskCacheDlg page;
    HandedOverRelay relay{&page, {eMoxCacheEvent_DiskCacheRead, eMoxCacheEvent_DiskCacheSet}};

    DiskPage() { page.show(); }
    bool ListRead(ConsoleSession& console)
    {
        const std::size_t before = console.Events().Count(eMoxCacheEvent_DiskCacheRead);
        page.OnChosen();
        return ProcessUntil([&] {
                   return console.Events().Count(eMoxCacheEvent_DiskCacheRead) > before;
               }) && ProcessUntil([] { return true; });
    }
};

class DiskCachePage : public SimViewFixture {};

}  // namespace

TEST_F(DiskCachePage, ShowsTheServersAreasAndKeepsTheLastTwoHidden)
{
    DiskPage view;
    CDiskDirUnitWnd* first = view.page.Row(1);
    EXPECT_FALSE(first->CommandButton()->isEnabled());
    EXPECT_EQ(first->PathField()->placeholderText(), "请输入缓存目录，如：/morvix-cache-1");
    ASSERT_TRUE(view.ListRead(console));
    ASSERT_TRUE(ProcessUntil([&] { return first->PathField()->text() == "/morvix-cache-1"; }));
    EXPECT_EQ(first->StatusText()->text(), "使用中");
    EXPECT_EQ(first->CommandButton()->text(), "暂停");
    EXPECT_TRUE(first->PathField()->isReadOnly());
    EXPECT_EQ(first->NoteLabel()->toolTip(), "SSD 阵列");
    EXPECT_EQ(view.page.Row(2)->StatusText()->text(), "缓存目录已满,正在清理中");
    EXPECT_EQ(view.page.Row(3)->CommandButton()->text(), "启用");
    EXPECT_FALSE(view.page.Row(3)->PathField()->isReadOnly());
    EXPECT_TRUE(view.page.Row(12)->isVisible());
    EXPECT_FALSE(view.page.Row(13)->isVisible());

    // A new login forgets the previous server's areas.
    view.page.OnServerChanged(ServerPlatform{true, false});
    EXPECT_TRUE(first->PathField()->text().isEmpty());
    EXPECT_FALSE(first->CommandButton()->isEnabled());
    EXPECT_EQ(first->PathField()->placeholderText(), "请输入缓存目录，如：E:\\morvix-cache-1");
}

TEST_F(DiskCachePage, AnAcceptedSetIsFollowedByExactlyOneQueryOfItsArea)
{
    DiskPage view;
    ASSERT_TRUE(view.ListRead(console));
    CDiskDirUnitWnd* third = view.page.Row(3);
    ASSERT_TRUE(ProcessUntil([&] { return third->PathField()->text() == "/data/morvix-cache-3"; }));
    answers.QueueDecision(true);
    third->CommandButton()->click();
    ASSERT_EQ(answers.Prompts().back().text, "你确定要启用此缓存区目录吗？");
    ASSERT_TRUE(ProcessUntil([&] { return LoggedBodies(sim, kQuery).size() == 1; }));
    // The set shows the area as sent; the query that follows shows the server's state of it.
    ASSERT_TRUE(ProcessUntil([&] { return third->StatusText()->text() == "使用中"; }));
    EXPECT_EQ(third->CommandButton()->text(), "暂停");
    EXPECT_EQ(PairsAfterRequestId(LoggedBodies(sim, kSet).at(0)),
              "&DiskNo=3&Path=%2Fdata%2Fmorvix-cache-3&Enable=1&Note=%E5%A4%87%E7%94%A8%E7%9B%98");
    EXPECT_EQ(PairsAfterRequestId(LoggedBodies(sim, kQuery).at(0)), "&DiskNo=3");

    // Pausing, then releasing the emptied path: each with its own question.
    answers.QueueDecision(true);
    third->CommandButton()->click();
    EXPECT_EQ(answers.Prompts().back().text, "你确定要暂停此缓存区目录的使用吗？");
    ASSERT_TRUE(ProcessUntil([&] { return LoggedBodies(sim, kQuery).size() == 2 && !third->PathField()->isReadOnly(); }));
    third->PathField()->selectAll();
    QTest::keyClick(third->PathField(), Qt::Key_Delete);
    EXPECT_EQ(third->CommandButton()->text(), "取消");
    answers.QueueDecision(true);
    third->CommandButton()->click();
    EXPECT_EQ(answers.Prompts().back().text, "你确定要取消此缓存区目录吗？");
    ASSERT_TRUE(ProcessUntil([&] { return LoggedBodies(sim, kSet).size() == 3; }));
    EXPECT_EQ(PairsAfterRequestId(LoggedBodies(sim, kSet).back()).substr(0, 23), "&DiskNo=3&Path=&Enable=");
}

TEST_F(DiskCachePage, EnablingAnAreaWithOnlyThePlaceholderSendsAnEmptyPath)
{
    DiskPage view;
    ASSERT_TRUE(view.ListRead(console));
    CDiskDirUnitWnd* fourth = view.page.Row(4);
    ASSERT_TRUE(ProcessUntil([&] { return fourth->CommandButton()->isEnabled(); }));
    answers.QueueDecision(true);
    fourth->CommandButton()->click();
    EXPECT_EQ(answers.Prompts().back().text, "你确定要启用此缓存区目录吗？");
    ASSERT_TRUE(ProcessUntil([&] { return LoggedBodies(sim, kSet).size() == 1; }));
    EXPECT_EQ(PairsAfterRequestId(LoggedBodies(sim, kSet)[0]), "&DiskNo=4&Path=&Enable=1&Note=");

    // The note editor sends the row as it stands with the new note.
    fourth->EditNote();
    ASSERT_NE(fourth->NoteEditor(), nullptr);
    fourth->NoteEditor()->NoteField()->setPlainText(QStringLiteral("新盘"));
    fourth->NoteEditor()->accept();
    ASSERT_TRUE(ProcessUntil([&] { return LoggedBodies(sim, kSet).size() == 2; }));
    EXPECT_EQ(PairsAfterRequestId(LoggedBodies(sim, kSet)[1]), "&DiskNo=4&Path=&Enable=0&Note=%E6%96%B0%E7%9B%98");
    EXPECT_EQ(fourth->NoteLabel()->toolTip(), "新盘");
}

TEST(DiskCacheReplyShapes, OnlyAWellFormedListChangesRows)
{
    CannedAdminServer server;
    ConsoleSession console(server.Host());
    CScriptedUserInteraction answers;
    {
        DiskPage view;
        server.Answer(R"({"Return":"True","NumOfLists":"2","Lists":[)"
                      R"({"DiskNo":"1","Path":"/a","Enable":"1","Status":"1","Note":""},)"
                      R"({"DiskNo":"13","Path":"/m","Enable":"0","Status":"0","Note":"hidden"}]})");
        ASSERT_TRUE(view.ListRead(console));
        ASSERT_TRUE(ProcessUntil([&] { return view.page.Row(13)->PathField()->text() == "/m"; }));
        EXPECT_FALSE(view.page.Row(13)->isVisible());

        for (const char* reply : {R"({"Return":"True","NumOfLists":"0"})",
                                  R"({"Return":"True","NumOfLists":"1","Lists":[)"
                                  R"({"DiskNo":"1","Path":"/b","Enable":"0","Status":"0"}]})"}) {
            server.Answer(reply);
            ASSERT_TRUE(view.ListRead(console));
            DrainHandOvers();
            EXPECT_EQ(view.page.Row(1)->PathField()->text(), "/a") << reply;
            EXPECT_EQ(view.page.Row(1)->CommandButton()->text(), "暂停") << reply;
        }
    }
    DrainHandOvers();
}
