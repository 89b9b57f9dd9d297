#include "ScratchDirectory.h"
#include "shell/AppPaths.h"
#include "shell/CMoxDisplayStrings.h"

#include <gtest/gtest.h>

using morvix::test::ScratchDirectory;
using morvix::test::WriteBytes;

namespace {

void ExpectDefaultsExceptHitCurrent(const CMoxDisplayStrings& strings)
{
    EXPECT_EQ(strings.Name(), "Morvix 远程监控端");
    EXPECT_EQ(strings.ProductName(), "Morvix");
    EXPECT_EQ(strings.AboutUrl(), "https://morvix.example/");
    EXPECT_EQ(strings.AboutCopyright(), "Copyright © Morvix");
    EXPECT_EQ(strings.HitAverage(), "平均命中率");
    EXPECT_EQ(strings.BandwidthExternal(), "外部带宽值");
    EXPECT_EQ(strings.BandwidthInternal(), "内部带宽值");
    EXPECT_EQ(strings.ConnectionsExternal(), "外部连接数");
    EXPECT_EQ(strings.ConnectionsInternal(), "内部连接数");
    EXPECT_EQ(strings.MemoryCacheSize(), "内存缓存尺寸");
    EXPECT_EQ(strings.MemoryCacheCount(), "内存缓存数量");
    EXPECT_EQ(strings.DirectoryExample(), "请输入缓存目录，如：E:\\morvix-cache-1");
    EXPECT_EQ(strings.DirectoryExampleLinux(), "请输入缓存目录，如：/morvix-cache-1");
}

TEST(CMoxDisplayStringsTest, WithoutAFileEveryStringIsItsDefault)
{
    ScratchDirectory dir;
    const CMoxDisplayStrings strings(dir / "String.ini");
    ExpectDefaultsExceptHitCurrent(strings);
    EXPECT_EQ(strings.HitCurrent(), "当前命中率");
}

TEST(CMoxDisplayStringsTest, OneKeyChangesOnlyItsLabel)
{
    ScratchDirectory dir;
    WriteBytes(dir / "String.ini", "[FlowMonitor]\nhit_current=实时命中率\n");
    const CMoxDisplayStrings strings(dir / "String.ini");
    EXPECT_EQ(strings.HitCurrent(), "实时命中率");
    ExpectDefaultsExceptHitCurrent(strings);
}

TEST(CMoxDisplayStringsTest, LongValuesAreCutTo127Characters)
{
    ScratchDirectory dir;
    std::string name;
    for (int i = 0; i < 200; ++i)
        name += i % 2 == 0 ? "名" : "x";
    WriteBytes(dir / "String.ini", "[Morvix]\nname=" + name + "\n");

    std::string expected;
    for (int i = 0; i < 127; ++i)
        expected += i % 2 == 0 ? "名" : "x";
    EXPECT_EQ(CMoxDisplayStrings(dir / "String.ini").Name(), expected);
}

TEST(CMoxDisplayStringsTest, ProcessWideStringsComeFromTheShippedFile)
{
    ASSERT_TRUE(std::filesystem::exists(AppPaths::ApplicationDataFile("String.ini")));
    EXPECT_EQ(&CMoxDisplayStrings::Instance(), &CMoxDisplayStrings::Instance());
    EXPECT_EQ(CMoxDisplayStrings::Instance().Name(), "Morvix 远程监控端");
}

}  // namespace
