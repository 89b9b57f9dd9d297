#include "EventManagerFixture.h"

#include "messaging/CMoxUpdateStatusBarEventParam.h"
#include "messaging/EventKinds.h"
#include "messaging/GlobalFunc_UpdateStatusBar.h"
#include "messaging/PostCacheEvent.h"

#include <string>

namespace {

using morvix::test::EventLog;
using morvix::test::RecordingHandler;
using morvix::test::WaitUntil;

class PostingFunctions : public morvix::test::EventManagerFixture {};

TEST_F(PostingFunctions, StatusBarTextArrivesAsKindOneRecordAndIsReleasedAfterwards)
{
    EventLog log;
    RecordingHandler mainWindow("main window", log);
    std::string shown;
    mainWindow.onEvent = [&](int kind, std::uintptr_t param1, std::uintptr_t) {
        auto* record = dynamic_cast<CMoxUpdateStatusBarEventParam*>(CMoxEventParam::FromParam(param1));
        ASSERT_NE(record, nullptr);
        shown = record->Text();
    };
    const std::int64_t live = CMoxEventParam::LiveCount();

    EXPECT_TRUE(GlobalFunc_UpdateStatusBar("登录127.0.0.1成功。"));

    ASSERT_TRUE(WaitUntil([&] { return log.Size() == 1; }));
    EXPECT_EQ(shown, "登录127.0.0.1成功。");
    const auto event = log.Events().front();
    EXPECT_EQ(event.kind, eMoxCacheEvent_UpdateStatusBar);
    EXPECT_EQ(event.param2, 0u);
    EXPECT_TRUE(WaitUntil([&] { return CMoxEventParam::LiveCount() == live; }));
}

TEST_F(PostingFunctions, StatusBarTextWithoutThreadRegistryIsNotPostedAndNotLeaked)
{
    CThreadRegistry::Destroy();
    const std::int64_t live = CMoxEventParam::LiveCount();

    EXPECT_FALSE(GlobalFunc_UpdateStatusBar("连接127.0.0.1失败"));

    EXPECT_EQ(CMoxEventParam::LiveCount(), live);
}

TEST_F(PostingFunctions, PostCacheEventMakesTheManagerOnFirstUse)
{
    CZebEventManager::DestroyInstance();
    ASSERT_EQ(CZebEventManager::Existing(), nullptr);

    EXPECT_TRUE(PostCacheEvent(eMoxCacheEvent_ConnectClosed, 0, 0));

    EXPECT_NE(CZebEventManager::Existing(), nullptr);
}

}  // namespace
