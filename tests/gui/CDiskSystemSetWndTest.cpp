#include "features/config/SystemOptionsEvents.h"
#include "features/config/view/CDiskSystemSetWnd.h"
#include "gui/SystemViewFixture.h"
#include "messaging/PostCacheEvent.h"
#include "shell/CMoxCacheInstance.h"

#include <QLabel>
#include <QPushButton>

#include <limits>

using namespace morvix::test;

namespace {

class DiskTuningView : public SystemViewFixture {
protected:
    // What the server says about its machine, as the options read would leave it.
    QString HintFor(CDiskSystemSetWnd& view, std::int64_t physicalMB, const std::string& platform)
    {
        CMoxCacheInstance& instance = console.Instance();
        instance.SetSession(console.SessionId(), "admin", "", "3.5.0", platform);
        auto read = RecordHandle<CSystemOptionsEventParam>::Make();
        read->item = instance.Options();
        read->item.ReadOnly_TotalPhyMemSizeKB = physicalMB * 1024;
        const QString before = view.MemoryHint()->text();
        // A reply newer than any request the console sent, as if the server now reported this machine.
        PostExchangeEvent({++newestRead_}, eMoxCacheEvent_SystemOptionsRead, eMoxEventStatus_Ok, std::move(read));
        ProcessUntil([&] { return view.MemoryHint()->text() != before; }, std::chrono::seconds(2));
        return view.MemoryHint()->text();
    }

private:
    unsigned long newestRead_ = std::numeric_limits<unsigned long>::max() / 2;
};

}  // namespace

TEST_F(DiskTuningView, ShowsItsInitialTextsUntilTheOptionsAreRead)
{
    CDiskSystemSetWnd view;
    EXPECT_EQ(view.MemoryField()->text(), "200");
    EXPECT_EQ(view.ConnectionsField()->text(), "5000");
    EXPECT_EQ(view.MinFileSizeField()->text(), "32768");
    EXPECT_EQ(view.IndexShareField()->text(), "30");
    EXPECT_TRUE(view.DirectoryDepthField()->isHidden());
    EXPECT_TRUE(view.DeduplicationSizeField()->isHidden());
    EXPECT_TRUE(view.OpenFilesField()->isHidden());
    EXPECT_EQ(view.MemoryHint()->text(), "注：此项配置比较关键，设定前请参考");
    EXPECT_EQ(view.MemoryUnit()->text(), "MB，可设置范围：[32 - 最大剩余内存]，重启后生效！");
    EXPECT_FALSE(view.SaveButton()->isEnabled());

    ASSERT_TRUE(ReadOptions(view.Editor()));
    EXPECT_EQ(view.MemoryField()->text(), "2048");
    EXPECT_EQ(view.MinFileSizeField()->text(), "32768");
    EXPECT_EQ(view.MemoryHint()->text(), "提示：当前系统物理内存为：8192 MB，最大推荐配置为：6192 MB。");
}

TEST_F(DiskTuningView, TheConnectionFieldSetsBothLimits)
{
    CDiskSystemSetWnd view;
    ASSERT_TRUE(ReadOptions(view.Editor()));
    Retype(view.ConnectionsField(), "8000");
    ASSERT_TRUE(view.SaveButton()->isEnabled());
    view.SaveButton()->click();
    EXPECT_FALSE(view.SaveButton()->isEnabled());
    ASSERT_TRUE(WaitForModifies(1));
    EXPECT_EQ(ModifyPairs(), std::vector<std::string>{"&MaxConnections=8000&MaxUpstreamConnections=8000"});

    // Each of the pair is sent only when it differs from the server's.
    Retype(view.MinFileSizeField(), "65536");
    view.SaveButton()->click();
    ASSERT_TRUE(WaitForModifies(2));
    EXPECT_EQ(ModifyPairs().back(), "&MinDiskCacheContentSize=65536&MinSizeForActivePageByDiskCache=65536");
}

// A read sent before the save but answered after it still holds the old figures.
TEST_F(DiskTuningView, AReadOlderThanAnAcceptedSaveIsNotShown)
{
    CDiskSystemSetWnd view;
    ASSERT_TRUE(ReadOptions(view.Editor()));
    Retype(view.ConnectionsField(), "8000");
    view.SaveButton()->click();
    ASSERT_TRUE(WaitForModifies(1));

    const std::size_t reads = console.Events().Count(eMoxCacheEvent_SystemOptionsRead);
    auto stale = RecordHandle<CSystemOptionsEventParam>::Make();
    stale->item.MaxConnections = 5000;
    ASSERT_TRUE(PostExchangeEvent({1}, eMoxCacheEvent_SystemOptionsRead, eMoxEventStatus_Ok, std::move(stale)));
    ASSERT_TRUE(ProcessUntil([&] { return console.Events().Count(eMoxCacheEvent_SystemOptionsRead) > reads; }));
    DrainHandOvers();
    EXPECT_EQ(view.ConnectionsField()->text(), "8000");
    EXPECT_FALSE(view.SaveButton()->isEnabled());
}

TEST_F(DiskTuningView, RecommendsMemoryByThePhysicalMemory)
{
    CDiskSystemSetWnd view;
    EXPECT_EQ(HintFor(view, 400, "Linux 64Bits"), "提示：当前系统物理内存为：400 MB，最大推荐配置为：64 MB。");
    EXPECT_EQ(HintFor(view, 1500, "Linux 64Bits"), "提示：当前系统物理内存为：1500 MB，最大推荐配置为：316 MB。");
    EXPECT_EQ(HintFor(view, 2048, "Linux 64Bits"), "提示：当前系统物理内存为：2048 MB，最大推荐配置为：719 MB。");
    EXPECT_EQ(HintFor(view, 6000, "Linux 64Bits"), "提示：当前系统物理内存为：6000 MB，最大推荐配置为：4000 MB。");
    EXPECT_EQ(view.MemoryUnit()->text(), "MB，可设置范围：[32 - 最大剩余内存]，重启后生效！");
    EXPECT_EQ(HintFor(view, 6000, "Windows 32Bits"),
              "提示：当前系统物理内存为：6000 MB，最大推荐配置为：1500 MB，更大内存支持请选择 64 位版本。");
    EXPECT_EQ(view.MemoryUnit()->text(), "MB，可设置范围：[32 - 1500]，重启后生效！");
}
