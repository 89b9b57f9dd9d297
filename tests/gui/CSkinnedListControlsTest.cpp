#include "controls/CMoxTabCtrl.h"
#include "controls/CSortHeaderCtrl.h"
#include "controls/SkinImages.h"

#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

TEST(CSortHeaderCtrl, ClickingAColumnSortsTheTableAndTurnsTheArrow)
{
    QStandardItemModel model;
    model.setHorizontalHeaderLabels({QStringLiteral("域名"), QStringLiteral("请求数")});
    for (const auto& [host, hits] : {std::pair{"b.example", 30}, std::pair{"a.example", 10}, std::pair{"c.example", 20}})
        model.appendRow({new QStandardItem(QString::fromLatin1(host)), new QStandardItem(QString::number(hits))});
    QTableView table;
    auto* header = new CSortHeaderCtrl(Qt::Horizontal, &table);
    table.setHorizontalHeader(header);
    table.setModel(&model);
    table.setSortingEnabled(true);
    table.resize(400, 200);
    table.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&table));

    const QPoint firstColumn(header->sectionViewportPosition(0) + 10, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, firstColumn);
    const Qt::SortOrder firstOrder = header->sortIndicatorOrder();
    const QImage arrowOnce = header->grab().toImage();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, firstColumn);
    EXPECT_EQ(header->sortIndicatorSection(), 0);
    EXPECT_NE(header->sortIndicatorOrder(), firstOrder);
    EXPECT_NE(header->grab().toImage(), arrowOnce);
    const QString expectedTop = header->sortIndicatorOrder() == Qt::AscendingOrder ? "a.example" : "c.example";
    EXPECT_EQ(table.model()->index(0, 0).data().toString(), expectedTop);
}

TEST(CMoxTabCtrl, SelectedAndHoveredTabsUseTheirFrames)
{
    CMoxTabCtrl tabs;
    for (const char* text : {"白名单", "黑名单", "导入"})
        tabs.addTab(QString::fromUtf8(text));
    tabs.setTabEnabled(2, false);
    tabs.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&tabs));

    QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(1).center());
    EXPECT_EQ(tabs.currentIndex(), 1);
    QTest::mouseMove(&tabs, tabs.tabRect(0).center());
    EXPECT_EQ(tabs.TabFrame(0), SkinImages::kFrameHover);
    EXPECT_EQ(tabs.TabFrame(1), SkinImages::kFramePressed);
    EXPECT_EQ(tabs.TabFrame(2), SkinImages::kFrameDisabled);
}
