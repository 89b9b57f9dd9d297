#include "controls/CMoxToolbar.h"
#include "controls/SkinImages.h"
#include "gui/CRecordingCmdOwner.h"

#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int kToolbarId = 1001;

// A window with the toolbar at its top and free room below it, as in the main window.
class ToolbarWindow {
public:
    ToolbarWindow()
    {
        window.resize(400, 200);
        toolbar = new CMoxToolbar(kToolbarId, &owner, &window);
        toolbar->setGeometry(0, 0, 400, CMoxToolbar::kHeight);
        login = toolbar->AddItem(QStringLiteral("登录"), QStringLiteral("登录服务器"), 0, 48);
        toolbar->SetItemCommandId(login, 200);
        password = toolbar->AddItem(QStringLiteral("修改密码"), QStringLiteral("修改密码"), 2, 68);
        toolbar->SetItemCommandId(password, 202);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QPoint Centre(int index) const { return toolbar->ItemRect(index).center(); }

    CRecordingCmdOwner owner;
    QWidget window;
    CMoxToolbar* toolbar;
    int login;
    int password;
};

}  // namespace

TEST(CMoxToolbar, ReleaseOnThePressedButtonRunsTheOwnerOnceWithTheButtonCurrent)
{
    ToolbarWindow w;
    int currentWhileRunning = -1;
    int commandWhileRunning = 0;
    int frameWhileRunning = -1;
    w.owner.whileRunning = [&] {
        currentWhileRunning = w.toolbar->GetCurrentItem();
        commandWhileRunning = w.toolbar->GetItem(currentWhileRunning)->commandId;
        frameWhileRunning = w.toolbar->ItemFrame(currentWhileRunning);
    };

    QTest::mousePress(w.toolbar, Qt::LeftButton, {}, w.Centre(w.password));
    EXPECT_EQ(w.toolbar->ItemFrame(w.password), SkinImages::kFramePressed);
    EXPECT_TRUE(w.owner.calls.empty());

    QTest::mouseRelease(w.toolbar, Qt::LeftButton, {}, w.Centre(w.password));
    ASSERT_EQ(w.owner.calls.size(), 1u);
    EXPECT_EQ(w.owner.calls[0].controlId, kToolbarId);
    EXPECT_EQ(w.owner.calls[0].code, IExecuteCmdCallback::kItemChosen);
    EXPECT_EQ(w.owner.calls[0].word1, 0u);
    EXPECT_EQ(w.owner.calls[0].word2, 0u);
    EXPECT_EQ(currentWhileRunning, w.password);
    EXPECT_EQ(commandWhileRunning, 202);
    EXPECT_EQ(frameWhileRunning, SkinImages::kFrameCurrent);

    EXPECT_EQ(w.toolbar->GetCurrentItem(), -1);
    EXPECT_NE(w.toolbar->ItemFrame(w.password), SkinImages::kFramePressed);
    EXPECT_NE(w.toolbar->ItemFrame(w.password), SkinImages::kFrameCurrent);
}

TEST(CMoxToolbar, ReleaseAwayFromThePressedButtonCancels)
{
    ToolbarWindow w;
    const QPoint onOtherButton = w.Centre(w.password);
    const QPoint onEmptyBand(350, 20);
    const QPoint belowTheToolbar(100, 150);
    for (const QPoint& releaseAt : {onOtherButton, onEmptyBand, belowTheToolbar}) {
        QTest::mousePress(w.toolbar, Qt::LeftButton, {}, w.Centre(w.login));
        QTest::mouseRelease(w.toolbar, Qt::LeftButton, {}, releaseAt);
        EXPECT_TRUE(w.owner.calls.empty()) << releaseAt.x() << "," << releaseAt.y();
        EXPECT_EQ(w.toolbar->GetCurrentItem(), -1);
        EXPECT_NE(w.toolbar->ItemFrame(w.login), SkinImages::kFramePressed);
    }
    QTest::mouseRelease(w.toolbar, Qt::LeftButton, {}, w.Centre(w.login));
    EXPECT_TRUE(w.owner.calls.empty()) << "a release without a press chooses nothing";
}

TEST(CMoxToolbar, ButtonsLineUpAtTheirWidthsAndShowHover)
{
    ToolbarWindow w;
    const QRect first = w.toolbar->ItemRect(w.login);
    const QRect second = w.toolbar->ItemRect(w.password);
    EXPECT_EQ(first.width(), 48);
    EXPECT_EQ(second.left(), first.right() + 1);
    EXPECT_EQ(second.width(), 68);

    w.toolbar->SetItemDropDown(w.login, true);
    EXPECT_EQ(w.toolbar->ItemRect(w.login).width(), 48 + CMoxToolbar::kArrowWidth);
    EXPECT_EQ(w.toolbar->ItemRect(w.password).left(), w.toolbar->ItemRect(w.login).right() + 1);
    EXPECT_EQ(w.toolbar->FindItem(QStringLiteral("修改密码")), w.password);

    QTest::mouseMove(w.toolbar, w.Centre(w.password));
    EXPECT_EQ(w.toolbar->ItemFrame(w.password), SkinImages::kFrameHover);
    EXPECT_EQ(w.toolbar->ItemFrame(w.login), SkinImages::kFrameNormal);
}

TEST(CMoxToolbar, OwnerMayDestroyTheToolbarWhileItRuns)
{
    ToolbarWindow w;
    w.owner.whileRunning = [&] { delete w.toolbar; };
    QTest::mousePress(w.toolbar, Qt::LeftButton, {}, w.Centre(w.login));
    QTest::mouseRelease(w.toolbar, Qt::LeftButton, {}, w.Centre(w.login));
    EXPECT_EQ(w.owner.calls.size(), 1u);
}
