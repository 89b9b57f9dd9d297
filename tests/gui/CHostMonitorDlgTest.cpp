#include "controls/CRuleListView.h"
#include "features/monitor/HostMonitorColumns.h"
#include "features/monitor/HostMonitorEvents.h"
#include "features/monitor/view/CHostDetailDlg.h"
#include "features/monitor/view/CHostMonitorDlg.h"
#include "gui/ConsoleFixture.h"
#include "messaging/EventKinds.h"
#include "shell/CMoxInstanceManager.h"

#include <QItemSelectionModel>
#include <QTimer>

#include <filesystem>

#include <gtest/gtest.h>

namespace {

enum HostColumn { eNo, eHost, eUsers, eUpstreams, eDownload, eUpload, eSent, eReceived, eRequests, eIntervalRequests };

ProxyHost Host(const char* id, int no, std::int64_t tick, std::int64_t download, const char* start = "2026-12-07 00:00:00")
{
    ProxyHost host;
    host.ProxyID = id;
    host.No = no;
    host.Host = std::string(id) + ".example";
    host.StartTime = start;
    host.CurrentTickCount = tick;
    host.DownloadCount = download;
    host.RequestCount = download / 1000;
    return host;
}

// A reply as the main window hands it over, each to a later request than the one before; the
// record is released when the hand-over ends.
void HandOver(CHostMonitorDlg& view, std::vector<ProxyHost> hosts)
{
    static unsigned long requestNumber = 0;
    auto* record = new CMoxProxyUrlListEventParam;
    record->items = std::move(hosts);
    view.OnRecordHandedOver(eMoxCacheEvent_ProxyHostList, eMoxEventStatus_Ok, record, ++requestNumber);
    record->Release();
}

QString Cell(const QAbstractItemModel& model, int row, int column)
{
    return model.index(row, column).data().toString();
}

QStringList Column(const QAbstractItemModel& model, int column)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << Cell(model, row, column);
    return texts;
}

using HostMonitorView = ConsoleFixture;

TEST_F(HostMonitorView, IntervalFiguresSortingAndVanishedHosts)
{
    CHostMonitorDlg view;
    CMoxHostMonitorListModel& model = *view.Model();
    HandOver(view, {Host("a", 10, 10000, 1000000), Host("b", 9, 10000, 50000)});
    HandOver(view, {Host("a", 10, 12000, 1000000 + 524288), Host("b", 9, 12000, 50000)});
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(Cell(model, 0, eDownload), QStringLiteral("2.00 m/s"));
    EXPECT_EQ(Cell(model, 0, eSent), QStringLiteral("512.00 KB"));
    EXPECT_EQ(model.index(0, eUsers).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(model.headerData(eSent, Qt::Horizontal, Qt::ToolTipRole).toString(),
              QStringLiteral("两次请求之间 Morvix 发送给用户的数据"));

    // Numbers sort numerically: 9 before 10; a second click reverses.
    view.List()->sortByColumn(eNo, Qt::AscendingOrder);
    EXPECT_EQ(Column(model, eNo), (QStringList{"9", "10"}));
    view.List()->SelectOnly(1);

    // b vanishes and keeps its row; a restarted: its totals, not a negative difference.
    HandOver(view, {Host("c", 1, 3000, 7000), Host("a", 10, 1000, 131072, "2026-12-07 09:00:00")});
    EXPECT_EQ(Column(model, eNo), (QStringList{"1", "9", "10"})) << "the sort holds after the poll";
    EXPECT_EQ(Cell(model, 1, eHost), QStringLiteral("b.example"));
    EXPECT_EQ(Cell(model, 2, eSent), QStringLiteral("128.00 KB"));
    EXPECT_EQ(Cell(model, 2, eDownload), QStringLiteral("1.00 m/s"));
    EXPECT_EQ(view.List()->SelectedRows(), std::vector<int>{2}) << "the selection follows its host";

    view.List()->sortByColumn(eNo, Qt::DescendingOrder);
    EXPECT_EQ(Column(model, eNo), (QStringList{"10", "9", "1"}));
    view.List()->sortByColumn(eHost, Qt::AscendingOrder);
    EXPECT_EQ(Column(model, eHost), (QStringList{"a.example", "b.example", "c.example"}));
}

TEST_F(HostMonitorView, PollingPeriodComesFromTheOptionsFileAndIsAtLeastThreeSeconds)
{
    std::filesystem::remove(CMoxInstanceManager::GetInstanceManager()->Options().UserFile());
    const std::pair<const char*, int> cases[] = {{nullptr, 3000}, {"1", 3000}, {"7", 7000}};
    for (const auto& [timeval, expected] : cases) {
        if (timeval)
            WriteOptions("HostMonitor", {{"timeval", timeval}});
        CHostMonitorDlg view;
        EXPECT_EQ(view.PollTimer()->interval(), expected) << (timeval ? timeval : "no file");
    }
}

TEST_F(HostMonitorView, DownTimeShowsOnlyWhileTheOriginIsDown)
{
    // The detail window's origin rows, as it fills them from a reply.
    CMoxUpstreamMonitorSet origins;
    CMoxUpMonitorListModel model(origins, UpstreamMonitorColumns(), nullptr);
    std::vector<UpstreamHost> items;
    for (int down : {0, 1}) {
        UpstreamHost origin;
        origin.UpstreamID = "u" + std::to_string(down);
        origin.Host = "10.0.0." + std::to_string(down);
        origin.IsDown = down;
        origin.DownTime = "2026-12-07 08:00:00";
        items.push_back(origin);
    }
    model.Refresh(origins.Update(items, 1000));
    const int downTime = model.columnCount() - 1;
    EXPECT_EQ(Column(model, downTime), (QStringList{"", "2026-12-07 08:00:00"}));
    EXPECT_EQ(model.headerData(downTime, Qt::Horizontal, Qt::ToolTipRole).toString(),
              QStringLiteral("源站宕机时将显示宕机时间"));
}

}  // namespace
