#include "controls/CMoxTabCtrl.h"
#include "controls/CMoxToolbar.h"
#include "controls/CNavigatTree.h"
#include "controls/CSortHeaderCtrl.h"
#include "gui/CRecordingCmdOwner.h"
#include "gui/ViewTestSupport.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using morvix::test::ProcessUntil;

namespace {

// The main window's two skinned controls in one window, each with its owner.
class SkinnedWindow {
public:
    SkinnedWindow()
    {
        toolbar = new CMoxToolbar(1001, &toolbarOwner, &window);
        for (const auto& [text, tooltip] : {std::pair{QStringLiteral("登录"), QStringLiteral("登录服务器")},
                                            std::pair{QStringLiteral("修改密码"), QStringLiteral("修改帐号密码")},
                                            std::pair{QStringLiteral("关于"), QStringLiteral("关于本程序")}})
            toolbar->AddItem(text, tooltip, 0, 60);
        navigation = new CNavigatTree(1002, &navigationOwner, &window);
        for (const QString& text : {QStringLiteral("流量监控"), QStringLiteral("访问监控"), QStringLiteral("系统配置")})
            navigation->AddItem(text, 0);
        navigation->SetCurrentItem(0);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(toolbar);
        layout->addWidget(navigation);
        window.resize(400, 300);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    CRecordingCmdOwner toolbarOwner;
    CRecordingCmdOwner navigationOwner;
    QWidget window;
    CMoxToolbar* toolbar;
    CNavigatTree* navigation;
};

QAccessibleInterface* Accessible(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

QAccessibleActionInterface* Actions(QAccessibleInterface* item)
{
    return item ? item->actionInterface() : nullptr;
}

}  // namespace

TEST(SkinnedAccessibility, ToolbarButtonsArePushButtonsWithTextTooltipAndPlace)
{
    SkinnedWindow w;
    QAccessibleInterface* toolbar = Accessible(w.toolbar);
    ASSERT_NE(toolbar, nullptr);
    EXPECT_EQ(toolbar->role(), QAccessible::ToolBar);
    EXPECT_EQ(toolbar->text(QAccessible::Name), "工具栏");
    ASSERT_EQ(toolbar->childCount(), 3);

    QAccessibleInterface* password = toolbar->child(1);
    ASSERT_NE(password, nullptr);
    EXPECT_EQ(password->role(), QAccessible::PushButton);
    EXPECT_EQ(password->text(QAccessible::Name), "修改密码");
    EXPECT_EQ(password->text(QAccessible::Description), "修改帐号密码");
    EXPECT_EQ(password->parent(), toolbar);
    EXPECT_EQ(toolbar->indexOfChild(password), 1);
    EXPECT_EQ(toolbar->child(1), password) << "one interface per item";
    const QRect onScreen = password->rect();
    EXPECT_EQ(onScreen.size(), w.toolbar->ItemRect(1).size());
    EXPECT_EQ(toolbar->childAt(onScreen.center().x(), onScreen.center().y()), password);
    EXPECT_FALSE(password->state().invisible);
    EXPECT_TRUE(password->state().focusable);
    EXPECT_EQ(toolbar->child(3), nullptr);
}

TEST(SkinnedAccessibility, PressingAToolbarButtonRunsTheOwnerWithThatButtonCurrent)
{
    SkinnedWindow w;
    int currentWhileRunning = -1;
    w.toolbarOwner.whileRunning = [&] { currentWhileRunning = w.toolbar->GetCurrentItem(); };
    QAccessibleActionInterface* actions = Actions(Accessible(w.toolbar)->child(2));
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));

    actions->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(ProcessUntil([&] { return !w.toolbarOwner.calls.empty(); }));
    EXPECT_EQ(w.toolbarOwner.calls.size(), 1u);
    EXPECT_EQ(w.toolbarOwner.calls[0].code, IExecuteCmdCallback::kItemChosen);
    EXPECT_EQ(currentWhileRunning, 2);
    EXPECT_EQ(w.toolbar->GetCurrentItem(), -1);
}

TEST(SkinnedAccessibility, NavigationRowsAreListItemsAndTheCurrentOneIsSelected)
{
    SkinnedWindow w;
    QAccessibleInterface* list = Accessible(w.navigation);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::List);
    EXPECT_EQ(list->text(QAccessible::Name), "导航");
    ASSERT_EQ(list->childCount(), 3);
    for (int row = 0; row < 3; ++row) {
        QAccessibleInterface* item = list->child(row);
        EXPECT_EQ(item->role(), QAccessible::ListItem);
        EXPECT_EQ(item->text(QAccessible::Name), w.navigation->GetItem(row)->text);
        EXPECT_TRUE(item->state().selectable);
        EXPECT_EQ(item->state().selected, row == 0) << "row " << row;
    }

    Actions(list->child(2))->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(ProcessUntil([&] { return !w.navigationOwner.calls.empty(); }));
    EXPECT_EQ(w.navigation->GetCurrentItem(), 2);
    EXPECT_TRUE(list->child(2)->state().selected);
    EXPECT_FALSE(list->child(0)->state().selected);

    Actions(list->child(1))->doAction(QAccessibleActionInterface::setFocusAction());
    ASSERT_TRUE(ProcessUntil([&] { return w.navigation->hasFocus(); }));
    EXPECT_EQ(w.navigation->FocusedItem(), 1);
    EXPECT_TRUE(list->child(1)->state().focused);
    EXPECT_EQ(list->focusChild(), list->child(1));
    EXPECT_EQ(w.navigation->GetCurrentItem(), 2) << "focus alone chooses nothing";
}

TEST(SkinnedAccessibility, TheKeyboardMovesAndChoosesLikeTheMouse)
{
    struct Case {
        const char* name;
        bool toolbar;
        std::vector<Qt::Key> keys;
        int chosen;  // -1: the owner hears nothing
    };
    const Case cases[] = {
        {"toolbar: Return on the first button", true, {Qt::Key_Return}, 0},
        {"toolbar: right twice and Space", true, {Qt::Key_Right, Qt::Key_Right, Qt::Key_Space}, 2},
        {"toolbar: End, left, Enter", true, {Qt::Key_End, Qt::Key_Left, Qt::Key_Enter}, 1},
        {"toolbar: arrows stop at the ends", true, {Qt::Key_Left, Qt::Key_Left, Qt::Key_Return}, 0},
        {"navigation: down and Return", false, {Qt::Key_Down, Qt::Key_Return}, 1},
        {"navigation: End and Space", false, {Qt::Key_End, Qt::Key_Space}, 2},
        {"navigation: arrows alone choose nothing", false, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}, -1},
        {"navigation: Return on the current row does nothing", false, {Qt::Key_Return}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SkinnedWindow w;
        QWidget* control = c.toolbar ? static_cast<QWidget*>(w.toolbar) : w.navigation;
        CRecordingCmdOwner& owner = c.toolbar ? w.toolbarOwner : w.navigationOwner;
        int chosen = -1;
        owner.whileRunning = [&] { chosen = c.toolbar ? w.toolbar->GetCurrentItem() : w.navigation->GetCurrentItem(); };
        control->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(ProcessUntil([&] { return control->hasFocus(); }));
        for (Qt::Key key : c.keys)
            QTest::keyClick(control, key);
        // The navigation tells its owner through a queued call; let it through.
        ASSERT_TRUE(morvix::test::DeliverQueuedCalls());
        EXPECT_EQ(chosen, c.chosen);
        EXPECT_EQ(owner.calls.size(), c.chosen < 0 ? 0u : 1u);
    }
}

TEST(SkinnedAccessibility, TheFocusedItemIsDrawnVisibly)
{
    SkinnedWindow w;
    for (QWidget* control : {static_cast<QWidget*>(w.toolbar), static_cast<QWidget*>(w.navigation)}) {
        control->clearFocus();
        ASSERT_TRUE(ProcessUntil([&] { return !control->hasFocus(); }));
        const QImage unfocused = control->grab().toImage();
        control->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(ProcessUntil([&] { return control->hasFocus(); }));
        EXPECT_NE(control->grab().toImage(), unfocused) << control->metaObject()->className();
    }
}

TEST(SkinnedAccessibility, TabsArePageTabsThatTheArrowsAndThePressActionChange)
{
    QWidget window;
    auto* tabs = new CMoxTabCtrl(&window);
    for (const QString& text : {QStringLiteral("页面缓存"), QStringLiteral("拒绝缓存"), QStringLiteral("会话缓存")})
        tabs->addTab(text);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    QAccessibleInterface* list = Accessible(tabs);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::PageTabList);
    ASSERT_EQ(list->childCount(), 3);
    EXPECT_EQ(list->child(1)->role(), QAccessible::PageTab);
    EXPECT_EQ(list->child(1)->text(QAccessible::Name), "拒绝缓存");
    EXPECT_TRUE(list->child(0)->state().selected);

    Actions(list->child(2))->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(morvix::test::DeliverQueuedCalls());
    EXPECT_EQ(tabs->currentIndex(), 2);
    EXPECT_TRUE(list->child(2)->state().selected);

    tabs->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(ProcessUntil([&] { return tabs->hasFocus(); }));
    const QImage focused = tabs->grab().toImage();
    QTest::keyClick(tabs, Qt::Key_Left);
    EXPECT_EQ(tabs->currentIndex(), 1);
    tabs->clearFocus();
    ASSERT_TRUE(ProcessUntil([&] { return !tabs->hasFocus(); }));
    tabs->setCurrentIndex(2);
    EXPECT_NE(tabs->grab().toImage(), focused) << "the focus frame is drawn";
}

TEST(SkinnedAccessibility, HeaderColumnsAreNamedColumnHeaders)
{
    QStandardItemModel model(2, 2);
    model.setHorizontalHeaderLabels({QStringLiteral("序号"), QStringLiteral("缓存地址")});
    QTableView table;
    table.setHorizontalHeader(new CSortHeaderCtrl(Qt::Horizontal, &table));
    table.setModel(&model);
    table.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&table));

    QAccessibleInterface* view = Accessible(&table);
    ASSERT_NE(view, nullptr);
    QAccessibleTableInterface* cells = view->tableInterface();
    ASSERT_NE(cells, nullptr);
    EXPECT_EQ(cells->columnDescription(0), "序号");
    EXPECT_EQ(cells->columnDescription(1), "缓存地址");
}
