#include "controls/CGraphWnd.h"
#include "features/monitor/RealtimeInfo.h"
#include "features/monitor/view/CFigureBox.h"
#include "features/monitor/view/CRealtimeRunParamDlg.h"
#include "features/monitor/view/CRunParamWnd.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

using Pane = CRealtimeRunParamDlg;

RealtimeInfo Counters(std::int64_t tick, std::int64_t sentKB, std::int64_t fromOriginKB = 0)
{
    RealtimeInfo info;
    info.CurrentTickCount = tick;
    info.TotalSendKB = sentKB;
    info.TotalRecvFromResponseKB = fromOriginKB;
    return info;
}

QString Shown(const Pane& pane, Pane::Figure figure)
{
    return pane.Box(figure)->Value();
}

TEST(CRealtimeRunParamDlg, BandwidthOfTwoRepliesOneSecondApartAndAnUnchangedCounter)
{
    Pane pane;
    pane.ShowRealtime(Counters(5000, 100000, 1000));
    pane.ShowRealtime(Counters(6000, 101280, 1128));
    EXPECT_EQ(Shown(pane, Pane::eFigure_BandwidthIn), QStringLiteral("10.00"));
    EXPECT_EQ(Shown(pane, Pane::eFigure_BandwidthExt), QStringLiteral("1.00"));
    pane.ShowRealtime(Counters(7000, 101280, 1128));
    EXPECT_EQ(Shown(pane, Pane::eFigure_BandwidthIn), QStringLiteral("0.00"));
    EXPECT_EQ(pane.GraphOf(Pane::eGraph_Bandwidths)->PointCount(), 3);
}

TEST(CRealtimeRunParamDlg, SavingAndCacheMemoryForms)
{
    struct Case {
        std::int64_t sentKB, fromOriginKB, cacheKB;
        const char *saving, *memory, *unit;
    };
    const Case cases[] = {
        {1000, 250, 1023, "75.00", "1023", "KB"},
        {0, 250, 1024, "0.00", "1.00", "MB"},
        {1000, 2000, 1048576, "0.00", "1.00", "GB"},
    };
    for (const Case& c : cases) {
        Pane pane;
        RealtimeInfo info = Counters(1000, c.sentKB, c.fromOriginKB);
        info.CacheUsedMemSize = c.cacheKB;
        pane.ShowRealtime(info);
        EXPECT_EQ(Shown(pane, Pane::eFigure_Saving), QString::fromUtf8(c.saving)) << c.sentKB;
        EXPECT_EQ(Shown(pane, Pane::eFigure_CacheMemory), QString::fromUtf8(c.memory));
        EXPECT_EQ(pane.Box(Pane::eFigure_CacheMemory)->Unit(), QString::fromUtf8(c.unit));
    }
}

TEST(CRealtimeRunParamDlg, CountersGoingBackwardsOrBeyondAnyLinkShowNoNonsense)
{
    Pane pane;
    pane.ShowRealtime(Counters(1000, 900000, 100000));
    pane.ShowRealtime(Counters(2000, 950000, 110000));
    pane.ShowRealtime(Counters(3000, 500, 400));  // the server restarted
    pane.ShowRealtime(Counters(4000, 600, 2000));
    for (Pane::Figure figure : {Pane::eFigure_BandwidthIn, Pane::eFigure_BandwidthExt, Pane::eFigure_HitCurrent}) {
        const double value = Shown(pane, figure).toDouble();
        EXPECT_GE(value, 0) << figure;
        EXPECT_LE(value, 100) << figure;
    }
    // 7 000 000 KB in one second is far beyond any link: shown and plotted as 0.
    pane.ShowRealtime(Counters(5000, 7000600, 2000));
    EXPECT_EQ(Shown(pane, Pane::eFigure_BandwidthIn), QStringLiteral("0.00"));
}

TEST(CRealtimeRunParamDlg, GraphsKeepEightHundredPointsAndALoginEmptiesThem)
{
    Pane pane;
    for (int sample = 0; sample < 801; ++sample)
        pane.ShowRealtime(Counters(1000 + sample * 1000, sample * 10));
    for (int graph = 0; graph < Pane::kGraphCount; ++graph)
        EXPECT_EQ(pane.GraphOf(static_cast<Pane::Graph>(graph))->PointCount(), 800);
    ASSERT_TRUE(pane.Sampler().Baseline().has_value());

    pane.Reset();
    EXPECT_EQ(pane.GraphOf(Pane::eGraph_HitRates)->PointCount(), 0);
    EXPECT_FALSE(pane.Sampler().Baseline().has_value());
    pane.ShowRealtime(Counters(1000, 5));
    EXPECT_EQ(pane.Sampler().Baseline()->TotalSendKB, 5);
}

TEST(CGraphWnd, AutomaticScaleFollowsTheLargestValueOnScreen)
{
    struct Case {
        CGraphWnd::Scale scale;
        double s1, s2;
        double top1, top2;
    };
    const Case cases[] = {
        {CGraphWnd::Scale::Percent, 500, 20, 100, 100},
        {CGraphWnd::Scale::Automatic, 90, 100, 120, 120},
        {CGraphWnd::Scale::Automatic, 90, 400, 600, 600},
        {CGraphWnd::Scale::AutomaticSeparate, 90, 400, 120, 600},
        {CGraphWnd::Scale::AutomaticSeparate, 2000, 30, 3000, 120},
    };
    for (const Case& c : cases) {
        CGraphWnd graph(c.scale);
        graph.resize(200, 100);
        graph.AddSample(c.s1, c.s2);
        graph.AddSample(1, 1);
        EXPECT_EQ(graph.TopOfScale(0), c.top1) << c.s1 << " " << c.s2;
        EXPECT_EQ(graph.TopOfScale(1), c.top2) << c.s1 << " " << c.s2;
    }
    // A peak that scrolled off the left edge no longer counts.
    CGraphWnd graph(CGraphWnd::Scale::Automatic);
    graph.resize(20, 100);
    graph.AddSample(1000, 0);
    for (int sample = 0; sample < 11; ++sample)
        graph.AddSample(10, 0);
    EXPECT_EQ(graph.TopOfScale(0), 120);
}

TEST(CGraphWnd, GridLinesStayCrispAtDevicePixelRatioTwo)
{
    CGraphWnd graph(CGraphWnd::Scale::Percent);
    graph.resize(60, 46);
    QImage image(graph.size() * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    graph.render(&image);
    // Every pixel is either grid or ground, and the bottom line is two whole device rows.
    const int x = 3;
    const QColor grid(0x40, 0x80, 0x00);
    for (int y = 0; y < image.height(); ++y) {
        const QColor pixel = image.pixelColor(x, y);
        EXPECT_TRUE(pixel == grid || pixel == QColor(Qt::black)) << "blurred pixel at row " << y;
    }
    const int bottom = 2 * (graph.height() - 1);
    EXPECT_EQ(image.pixelColor(x, bottom), grid);
    EXPECT_EQ(image.pixelColor(x, bottom - 1), grid);
    EXPECT_EQ(image.pixelColor(x, bottom - 2), QColor(Qt::black));
}

TEST(CRunParamWnd, CountersInTheirOrderAndForms)
{
    CRunParamWnd table;
    RealtimeInfo info;
    info.CurrentUserConnections = 7;
    info.TotalSendKB = 1023;
    info.TotalRecvKB = 1024;
    info.AllUsedMemSize = 1048576;
    info.CacheUsedMemSize = -3;
    info.CurrentTime = "2026-12-07 10:00:00";
    table.ShowRealtime(info);
    ASSERT_EQ(table.RowCount(), 16);
    EXPECT_EQ(table.LabelText(0), QStringLiteral("用户并发连接请求数："));
    EXPECT_EQ(table.ValueText(0), QStringLiteral("7"));
    EXPECT_EQ(table.ValueText(2), QStringLiteral("1023 KB"));
    EXPECT_EQ(table.ValueText(3), QStringLiteral("1.00 MB"));
    EXPECT_EQ(table.ValueText(4), QStringLiteral("1.00 GB"));
    EXPECT_EQ(table.ValueText(6), QStringLiteral("0 KB"));
    EXPECT_EQ(table.LabelText(15), QStringLiteral("Morvix 服务器当前时间："));
    EXPECT_EQ(table.ValueText(15), QStringLiteral("2026-12-07 10:00:00"));
}

}  // namespace
