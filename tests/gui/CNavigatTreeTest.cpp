#include "controls/CNavigatTree.h"
#include "controls/SkinImages.h"
#include "gui/CRecordingCmdOwner.h"
#include "gui/ViewTestSupport.h"
#include "support/WaitUntil.h"

#include <QCoreApplication>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>

namespace {

constexpr int kTreeId = 1002;

class NavigatWindow {
public:
    NavigatWindow()
    {
        tree = new CNavigatTree(kTreeId, &owner);
        for (const auto& [text, icon, id] : {std::tuple{QStringLiteral("流量监控"), 9, 309},
                                             std::tuple{QStringLiteral("访问监控"), 3, 315},
                                             std::tuple{QStringLiteral("安全设置"), 8, 318}})
            tree->SetItemCommandId(tree->AddItem(text, icon), id);
        tree->SetCurrentItem(0);
        tree->resize(CNavigatTree::kWidth, 200);
        tree->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(tree));
    }
    ~NavigatWindow() { delete tree; }

    void Click(int index) { QTest::mouseClick(tree, Qt::LeftButton, {}, tree->ItemRect(index).center()); }

    CRecordingCmdOwner owner;
    CNavigatTree* tree;
};

int RedPixels(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            count += pixel.red() > 180 && pixel.green() < 90 && pixel.blue() < 90;
        }
    return count;
}

}  // namespace

TEST(CNavigatTree, ClickOnAnotherRowMakesItCurrentAndTellsTheOwnerOnceAfterTheClick)
{
    NavigatWindow w;
    int currentWhileRunning = -1;
    w.owner.whileRunning = [&] { currentWhileRunning = w.tree->GetCurrentItem(); };

    w.Click(2);
    EXPECT_EQ(w.tree->GetCurrentItem(), 2);
    EXPECT_TRUE(w.owner.calls.empty()) << "the owner must run after the click, not inside it";

    ASSERT_TRUE(morvix::test::WaitUntil([&] {
        QCoreApplication::processEvents();
        return !w.owner.calls.empty();
    }));
    ASSERT_TRUE(morvix::test::DeliverQueuedCalls());
    ASSERT_EQ(w.owner.calls.size(), 1u);
    EXPECT_EQ(w.owner.calls[0].controlId, kTreeId);
    EXPECT_EQ(w.owner.calls[0].code, IExecuteCmdCallback::kItemChosen);
    EXPECT_EQ(currentWhileRunning, 2);
    EXPECT_EQ(w.tree->GetItem(currentWhileRunning)->commandId, 318);
}

TEST(CNavigatTree, ClickOnTheCurrentRowOrBelowTheRowsDoesNothing)
{
    NavigatWindow w;
    w.Click(0);
    QTest::mouseClick(w.tree, Qt::LeftButton, {}, QPoint(20, 3 * CNavigatTree::kRowHeight + 5));
    QTest::mouseClick(w.tree, Qt::RightButton, {}, w.tree->ItemRect(1).center());
    ASSERT_TRUE(morvix::test::DeliverQueuedCalls());
    EXPECT_TRUE(w.owner.calls.empty());
    EXPECT_EQ(w.tree->GetCurrentItem(), 0);
}

TEST(CNavigatTree, NoNotificationReachesTheOwnerOnceTheListIsGone)
{
    NavigatWindow w;
    w.Click(1);
    delete w.tree;
    w.tree = nullptr;
    ASSERT_TRUE(morvix::test::DeliverQueuedCalls());
    EXPECT_TRUE(w.owner.calls.empty());
}

TEST(CNavigatTree, RowsShowCurrentHoverAndTheRedMark)
{
    NavigatWindow w;
    QTest::mouseMove(w.tree, w.tree->ItemRect(1).center());
    EXPECT_EQ(w.tree->ItemFrame(0), SkinImages::kFramePressed);
    EXPECT_EQ(w.tree->ItemFrame(1), SkinImages::kFrameHover);
    EXPECT_EQ(w.tree->ItemFrame(2), SkinImages::kFrameNormal);

    const QRect afterText = w.tree->ItemRect(2).adjusted(CNavigatTree::kTextLeft, 0, 0, 0);
    EXPECT_EQ(RedPixels(w.tree->grab().toImage(), afterText), 0);
    w.tree->SetItemMarked(2, true);
    EXPECT_GT(RedPixels(w.tree->grab().toImage(), afterText), 0);
}
