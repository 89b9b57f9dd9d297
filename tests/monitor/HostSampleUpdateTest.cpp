#include "features/monitor/HostMonitorForms.h"
#include "features/monitor/HostSampleUpdate.h"

#include <gtest/gtest.h>

namespace {

const char kPeriod[] = "2026-12-07 00:00:00";

ProxyHost Host(const std::string& id, std::int64_t tick, std::int64_t download, std::int64_t upload = 0,
               std::int64_t requests = 0, const char* start = kPeriod)
{
    ProxyHost host;
    host.ProxyID = id;
    host.Host = id + ".example";
    host.StartTime = start;
    host.CurrentTickCount = tick;
    host.DownloadCount = download;
    host.UploadCount = upload;
    host.RequestCount = requests;
    return host;
}

TEST(HostSampleUpdate, TwoSamplesTwoSecondsApartGiveTheIntervalAndItsBandwidth)
{
    CMoxHostMonitorSet set;
    EXPECT_EQ(set.Update({Host("a", 10000, 1000000, 4000, 90)}, 1), 1u);
    EXPECT_EQ(set.Update({Host("a", 12000, 1000000 + 524288, 4000 + 262144, 100)}, 2), 0u);
    const HostInterval& interval = set.Find("a")->interval;
    EXPECT_DOUBLE_EQ(interval.downloadMbps, 2.0);
    EXPECT_DOUBLE_EQ(interval.uploadMbps, 1.0);
    EXPECT_DOUBLE_EQ(interval.sentBytes, 524288);
    EXPECT_DOUBLE_EQ(interval.receivedBytes, 262144);
    EXPECT_EQ(interval.requests, 10);
    EXPECT_EQ(FormatIntervalBytes(interval.sentBytes), "512.00 KB");
    EXPECT_EQ(FormatMbps(interval.downloadMbps), "2.00 m/s");
}

TEST(HostSampleUpdate, FirstSampleHasNoIntervalAndAveragesOverTheServerClock)
{
    CMoxHostMonitorSet set;
    set.Update({Host("a", 4000, 2097152), Host("b", 0, 2097152)}, 1);
    const HostInterval& a = set.Find("a")->interval;
    EXPECT_EQ(a.requests, 0);
    EXPECT_EQ(a.sentBytes, 0);
    EXPECT_DOUBLE_EQ(a.downloadMbps, 4.0);  // 2 MiB over 4 s
    EXPECT_EQ(set.Find("b")->interval.downloadMbps, 0);
}

TEST(HostSampleUpdate, NewPeriodShowsTheTotalsInsteadOfANegativeDifference)
{
    struct Case {
        const char* name;
        ProxyHost second;
        double expectedMbps;
    };
    const Case cases[] = {
        // A restart: new StartTime, server clock 1 s since.
        {"new start time", Host("a", 1000, 131072, 0, 7, "2026-12-07 10:00:00"), 1.0},
        // Totals that went back under the same StartTime are a new period too.
        {"totals went back", Host("a", 2000, 131072, 0, 7), 0.5},
    };
    for (const Case& c : cases) {
        CMoxHostMonitorSet set;
        set.Update({Host("a", 50000, 90000000, 0, 5000)}, 1);
        set.Update({c.second}, 2);
        const HostInterval& interval = set.Find("a")->interval;
        EXPECT_EQ(interval.requests, 7) << c.name;
        EXPECT_DOUBLE_EQ(interval.sentBytes, 131072) << c.name;
        EXPECT_DOUBLE_EQ(interval.downloadMbps, c.expectedMbps) << c.name;
    }
}

TEST(HostSampleUpdate, SpanFallsBackToTheLocalTickAndNeverBelowOneSecond)
{
    struct Case {
        const char* name;
        std::int64_t firstTick, secondTick;
        std::uint64_t secondLocal;
        double expectedMbps;
    };
    const Case cases[] = {
        {"no server clock: local 4 s", 0, 0, 1000 + 4000, 0.25},
        {"server clock lost: local 2 s", 5000, 0, 1000 + 2000, 0.5},
        {"same server tick counts as 1 s", 5000, 5000, 1000 + 9000, 1.0},
        {"server clock went back counts as 1 s", 5000, 3000, 1000 + 9000, 1.0},
    };
    for (const Case& c : cases) {
        CMoxHostMonitorSet set;
        set.Update({Host("a", c.firstTick, 0)}, 1000);
        set.Update({Host("a", c.secondTick, 131072)}, c.secondLocal);
        EXPECT_DOUBLE_EQ(set.Find("a")->interval.downloadMbps, c.expectedMbps) << c.name;
    }
}

TEST(HostSampleUpdate, VanishedHostKeepsItsEntryAndNewHostsAreAppended)
{
    CMoxHostMonitorSet set;
    set.Update({Host("a", 1000, 0), Host("b", 1000, 0)}, 1);
    set.Update({Host("a", 2000, 131072), Host("b", 2000, 262144)}, 2);
    EXPECT_EQ(set.Update({Host("c", 3000, 5), Host("a", 3000, 131072)}, 3), 1u);
    ASSERT_EQ(set.Entries().size(), 3u);
    EXPECT_EQ(set.Entries()[2].last.ProxyID, "c");
    EXPECT_DOUBLE_EQ(set.Find("b")->interval.downloadMbps, 2.0);
    EXPECT_EQ(set.Find("b")->last.DownloadCount, 262144);
    EXPECT_EQ(set.Find("a")->interval.downloadMbps, 0);
}

TEST(HostSampleUpdate, OriginsAreKeyedByTheirOwnIdentifier)
{
    UpstreamHost origin;
    origin.UpstreamID = "u1";
    origin.StartTime = kPeriod;
    origin.CurrentTickCount = 1000;
    CMoxUpstreamMonitorSet set;
    set.Update({origin}, 1);
    origin.CurrentTickCount = 3000;
    origin.DownloadCount = 524288;
    set.Update({origin}, 2);
    EXPECT_DOUBLE_EQ(set.Find("u1")->interval.downloadMbps, 2.0);
}

TEST(HostMonitorForms, IntervalBytesSwitchUnitAtEachPowerOf1024)
{
    EXPECT_EQ(FormatIntervalBytes(0), "0.00 KB");
    EXPECT_EQ(FormatIntervalBytes(512), "0.50 KB");
    EXPECT_EQ(FormatIntervalBytes(1048575), "1024.00 KB");
    EXPECT_EQ(FormatIntervalBytes(1048576), "1.00 MB");
    EXPECT_EQ(FormatIntervalBytes(1073741824.0), "1.00 GB");
    EXPECT_EQ(FormatIntervalBytes(1099511627776.0 * 2048), "2048.00 TB");
    EXPECT_EQ(BalancePolicyText(2), "URL地址哈希");
    EXPECT_EQ(BalancePolicyText(3), "");
}

}  // namespace
