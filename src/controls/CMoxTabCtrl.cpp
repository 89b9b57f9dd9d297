#include "controls/CMoxTabCtrl.h"

#include "controls/CSkinImageCache.h"
#include "controls/CSkinPainter.h"
#include "controls/SkinImages.h"
#include "controls/SkinnedAccessibility.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int kTabHeight = 28;
constexpr int kTextPadding = 18;
constexpr int kMinimumTabWidth = 80;
const QColor kPlainFrames[SkinImages::kStripFrames] = {
    QColor(0xe4, 0xe8, 0xee), QColor(0xee, 0xf2, 0xf7), QColor(Qt::white), QColor(Qt::white),
    QColor(0xe4, 0xe8, 0xee)};
const QColor kText(0x2a, 0x33, 0x3e);
const QColor kDisabledText(0x9a, 0xa3, 0xae);

}  // namespace

CMoxTabCtrl::CMoxTabCtrl(QWidget* parent) : QTabBar(parent)
{
    setMouseTracking(true);
    setDrawBase(false);
    setExpanding(false);
    InstallSkinnedAccessibility();
}

void CMoxTabCtrl::ChooseItem(int index)
{
    if (isTabEnabled(index))
        setCurrentIndex(index);
}

int CMoxTabCtrl::FocusedItem() const
{
    return currentIndex();
}

void CMoxTabCtrl::FocusItem(int index)
{
    ChooseItem(index);
}

int CMoxTabCtrl::AccessibleItemCount() const
{
    return count();
}

QString CMoxTabCtrl::AccessibleItemText(int index) const
{
    return tabText(index);
}

QString CMoxTabCtrl::AccessibleItemDescription(int index) const
{
    return tabToolTip(index);
}

QRect CMoxTabCtrl::AccessibleItemRect(int index) const
{
    return tabRect(index);
}

bool CMoxTabCtrl::IsItemSelected(int index) const
{
    return index == currentIndex();
}

bool CMoxTabCtrl::IsItemPressed(int) const
{
    return false;
}

bool CMoxTabCtrl::IsItemEnabled(int index) const
{
    return isTabEnabled(index);
}

int CMoxTabCtrl::TabFrame(int index) const
{
    if (!isTabEnabled(index))
        return SkinImages::kFrameDisabled;
    if (index == currentIndex())
        return SkinImages::kFramePressed;
    if (index == hover_)
        return SkinImages::kFrameHover;
    return SkinImages::kFrameNormal;
}

QSize CMoxTabCtrl::tabSizeHint(int index) const
{
    const int textWidth = fontMetrics().horizontalAdvance(tabText(index));
    return QSize(std::max(kMinimumTabWidth, textWidth + 2 * kTextPadding), kTabHeight);
}

void CMoxTabCtrl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPixmap& faces = CSkinImageCache::Image(SkinImages::kTab);
    for (int i = 0; i < count(); ++i) {
        const QRect face = tabRect(i);
        const int frame = TabFrame(i);
        if (!CSkinPainter::DrawFrame(painter, faces, SkinImages::kStripFrames, frame, face)) {
            painter.fillRect(face.adjusted(0, 0, -1, 0), kPlainFrames[frame]);
            painter.setPen(QColor(0xc3, 0xca, 0xd3));
            painter.drawRect(face.adjusted(0, 0, -1, -1));
        }
        painter.setPen(isTabEnabled(i) ? kText : kDisabledText);
        painter.drawText(face, Qt::AlignCenter, tabText(i));
        if (hasFocus() && i == currentIndex())
            CSkinPainter::DrawFocusFrame(painter, face.adjusted(4, 4, -4, -4), kText);
    }
}

void CMoxTabCtrl::mouseMoveEvent(QMouseEvent* event)
{
    const int index = tabAt(event->position().toPoint());
    if (index != hover_) {
        hover_ = index;
        update();
    }
    QTabBar::mouseMoveEvent(event);
}

void CMoxTabCtrl::leaveEvent(QEvent* event)
{
    hover_ = -1;
    update();
    QTabBar::leaveEvent(event);
}
