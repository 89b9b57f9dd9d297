#include "features/monitor/RealtimeInfo.h"
#include "features/monitor/view/CRealTimeInfoDlg.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace {

RealtimeInfo Sample(std::int64_t sentKB, std::int64_t fromOriginKB, const char* now)
{
    RealtimeInfo info;
    info.TotalSendKB = sentKB;
    info.TotalRecvFromResponseKB = fromOriginKB;
    info.StartTime = "2026-01-02 03:04:05";
    info.CurrentTime = now;
    return info;
}

QStringList Captions(const CRealTimeInfoDlg& strip)
{
    QStringList captions;
    for (const QLabel* label : strip.findChildren<QLabel*>())
        if (label->objectName().isEmpty())
            captions << label->text();
    return captions;
}

}  // namespace

TEST(CRealTimeInfoDlg, SavingShowsTheLargestValueOfTheSessionUntilReset)
{
    CRealTimeInfoDlg strip(QStringLiteral("Morvix"), false);
    EXPECT_EQ(strip.SavingText(), QStringLiteral("0 KB"));

    strip.ShowRealtime(Sample(3 * 1024 * 1024, 1024 * 1024, "2026-01-02 03:05:00"));
    EXPECT_EQ(strip.SavingText(), QStringLiteral("2.00 GB"));
    EXPECT_EQ(strip.StartTimeText(), QStringLiteral("2026-01-02 03:04:05"));

    // A server restart starts its counters over: the strip keeps the largest saving seen.
    strip.ShowRealtime(Sample(2048, 1024, "2026-01-02 03:06:00"));
    EXPECT_EQ(strip.SavingText(), QStringLiteral("2.00 GB"));
    EXPECT_EQ(strip.CurrentTimeText(), QStringLiteral("2026-01-02 03:06:00"));

    strip.Reset();
    EXPECT_EQ(strip.SavingText(), QStringLiteral("0 KB"));
    EXPECT_TRUE(strip.CurrentTimeText().isEmpty());
    strip.ShowRealtime(Sample(100, 400, "2026-01-02 03:07:00"));
    EXPECT_EQ(strip.SavingText(), QStringLiteral("0 KB")) << "more fetched than sent is no saving";
}

TEST(CRealTimeInfoDlg, LabelsNameTheProductUnlessOem)
{
    EXPECT_EQ(Captions(CRealTimeInfoDlg(QStringLiteral("Morvix"), false)),
              (QStringList{QStringLiteral("Morvix 启动时间："), QStringLiteral("Morvix 当前时间："),
                           QStringLiteral("累计节流：")}));
    EXPECT_EQ(Captions(CRealTimeInfoDlg(QStringLiteral("Morvix"), true)),
              (QStringList{QStringLiteral("系统启动时间："), QStringLiteral("系统当前时间："),
                           QStringLiteral("累计节流：")}));
}
