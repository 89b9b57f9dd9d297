#include "controls/CMoxTabCtrl.h"
#include "controls/CMoxToolbar.h"
#include "controls/CNavigatTree.h"
#include "controls/CSkinImageCache.h"
#include "controls/CSortHeaderCtrl.h"
#include "controls/CStatusStatic.h"
#include "controls/SkinImages.h"
#include "gui/CRecordingCmdOwner.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Points the cache at another folder for one test and back at the shipped skins afterwards.
class SkinFolderScope {
public:
    explicit SkinFolderScope(const QString& folder) : previous_(CSkinImageCache::Folder())
    {
        CSkinImageCache::SetFolder(folder);
    }
    ~SkinFolderScope() { CSkinImageCache::SetFolder(previous_); }

private:
    QString previous_;
};

QImage RenderToolbar(CMoxToolbar& toolbar)
{
    return toolbar.grab().toImage();
}

}  // namespace

TEST(SkinImages, EveryImageIsShippedWithStripsThatDivideIntoTheirFrames)
{
    for (const char* strip : {SkinImages::kToolbarButton, SkinImages::kToolbarArrow, SkinImages::kNavigatRow,
                              SkinImages::kTab}) {
        const QPixmap& image = CSkinImageCache::Image(strip);
        ASSERT_FALSE(image.isNull()) << strip;
        EXPECT_EQ(image.width() % SkinImages::kStripFrames, 0) << strip;
    }
    const QPixmap& toolbarIcons = CSkinImageCache::Image(SkinImages::kToolbarIcons);
    EXPECT_EQ(toolbarIcons.width(), 10 * toolbarIcons.height());
    EXPECT_EQ(toolbarIcons.height(), CMoxToolbar::kIconSide);
    const QPixmap& navigatIcons = CSkinImageCache::Image(SkinImages::kNavigatIcons);
    EXPECT_EQ(navigatIcons.width(), 11 * navigatIcons.height());
    EXPECT_LE(navigatIcons.height() + CNavigatTree::kIconTop, CNavigatTree::kRowHeight);
    EXPECT_LE(navigatIcons.height() + CNavigatTree::kIconLeft, CNavigatTree::kTextLeft);
    EXPECT_EQ(CSkinImageCache::Image(SkinImages::kHeaderArrow).width() % SkinImages::kHeaderArrowFrames, 0);

    for (const char* single : {SkinImages::kToolbarBackground, SkinImages::kHeaderBackground,
                               SkinImages::kHeaderLine, SkinImages::kStatusBackground, SkinImages::kDiskStopped,
                               SkinImages::kDiskFull, SkinImages::kDiskClearing, SkinImages::kApplicationIcon})
        EXPECT_FALSE(CSkinImageCache::Image(single).isNull()) << single;

    QImageReader animation(QDir(CSkinImageCache::Folder()).filePath(SkinImages::kDiskReading));
    ASSERT_TRUE(animation.canRead()) << animation.errorString().toStdString();
    EXPECT_TRUE(animation.supportsAnimation());
    EXPECT_GT(animation.imageCount(), 1);
    int frames = 0;
    for (QImage frame = animation.read(); !frame.isNull(); frame = animation.read())
        ++frames;
    EXPECT_EQ(frames, animation.imageCount());
}

TEST(SkinImages, AreReadOncePerProcess)
{
    QTemporaryDir folder;
    const QString copy = QDir(folder.path()).filePath(SkinImages::kStatusBackground);
    ASSERT_TRUE(QFile::copy(QDir(CSkinImageCache::Folder()).filePath(SkinImages::kStatusBackground), copy));
    SkinFolderScope scope(folder.path());

    const qint64 first = CSkinImageCache::Image(SkinImages::kStatusBackground).cacheKey();
    ASSERT_TRUE(QFile::remove(copy));
    const QPixmap& again = CSkinImageCache::Image(SkinImages::kStatusBackground);
    EXPECT_FALSE(again.isNull());
    EXPECT_EQ(again.cacheKey(), first);
}

TEST(SkinImages, ButtonStatesAreDrawnFromDifferentFrames)
{
    CRecordingCmdOwner owner;
    CMoxToolbar toolbar(1, &owner);
    const int item = toolbar.AddItem(QStringLiteral("登录"), QString(), 0, 48);
    toolbar.resize(200, CMoxToolbar::kHeight);
    toolbar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&toolbar));
    const QRect face = toolbar.ItemRect(item);
    const QImage normal = RenderToolbar(toolbar).copy(face);
    QTest::mousePress(&toolbar, Qt::LeftButton, {}, face.center());
    const QImage pressed = RenderToolbar(toolbar).copy(face);
    QTest::mouseRelease(&toolbar, Qt::LeftButton, {}, QPoint(190, 5));
    EXPECT_NE(normal, pressed);
    EXPECT_EQ(RenderToolbar(toolbar).copy(face), normal);
}

TEST(SkinImages, ControlsWorkAndDrawPlainlyWithoutTheSkinsFolder)
{
    QTemporaryDir parent;
    SkinFolderScope scope(QDir(parent.path()).filePath("Skins"));

    QWidget window;
    window.resize(640, 400);
    CRecordingCmdOwner owner;
    auto* toolbar = new CMoxToolbar(1, &owner, &window);
    const int about = toolbar->AddItem(QStringLiteral("关于"), QStringLiteral("关于"), 7, 48);
    toolbar->SetItemDropDown(about, true);
    toolbar->setGeometry(0, 0, 640, CMoxToolbar::kHeight);
    auto* tree = new CNavigatTree(2, &owner, &window);
    tree->AddItem(QStringLiteral("系统配置"), 10);
    tree->SetItemMarked(0, true);
    tree->setGeometry(0, 60, CNavigatTree::kWidth, 200);
    auto* tabs = new CMoxTabCtrl(&window);
    tabs->addTab(QStringLiteral("白名单"));
    tabs->addTab(QStringLiteral("黑名单"));
    tabs->setGeometry(160, 60, 300, 28);
    QStandardItemModel model(2, 2);
    model.setHorizontalHeaderLabels({QStringLiteral("地址"), QStringLiteral("备注")});
    auto* table = new QTableView(&window);
    table->setHorizontalHeader(new CSortHeaderCtrl(Qt::Horizontal, table));
    table->setModel(&model);
    table->setSortingEnabled(true);
    table->setGeometry(160, 100, 300, 150);
    auto* status = new CStatusStatic(&window);
    status->setText(QStringLiteral("获取硬盘缓存目录配置成功。"));
    status->setGeometry(0, 376, 640, 24);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    EXPECT_TRUE(CSkinImageCache::Image(SkinImages::kToolbarButton).isNull());
    EXPECT_FALSE(window.grab().isNull());
    QTest::mouseClick(toolbar, Qt::LeftButton, {}, toolbar->ItemRect(about).center());
    EXPECT_EQ(owner.calls.size(), 1u);
}
