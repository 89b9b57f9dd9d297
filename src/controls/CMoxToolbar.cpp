#include "controls/CMoxToolbar.h"

#include <algorithm>

#include "controls/CSkinImageCache.h"
#include "controls/CSkinPainter.h"
#include "controls/IExecuteCmdCallback.h"
#include "controls/ItemKeys.h"
#include "controls/SkinImages.h"
#include "controls/SkinnedAccessibility.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QToolTip>
#include "controls/MoxTr.h"

namespace {

const QColor kPlainToolbarBand(0x27, 0x30, 0x3b);
const QColor kPlainButtonFrames[SkinImages::kStripFrames] = {
    QColor(0, 0, 0, 0), QColor(0x3a, 0x45, 0x53), QColor(0x1a, 0x20, 0x28), QColor(0x3d, 0x7f, 0xd1),
    QColor(0, 0, 0, 0)};
constexpr int kIconTop = 5;
constexpr int kTextTop = 39;

}  // namespace

CMoxToolbar::CMoxToolbar(int controlId, IExecuteCmdCallback* owner, QWidget* parent)
    : QWidget(parent), controlId_(controlId), owner_(owner)
{
    setMouseTracking(true);
    setFixedHeight(kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Tab reaches the buttons; a click does not take the keyboard away from a field.
    setFocusPolicy(Qt::TabFocus);
    InstallSkinnedAccessibility();
    setAccessibleName(MoxTr::tr("工具栏"));
}

int CMoxToolbar::AddItem(const QString& text, const QString& tooltip, int iconIndex, int width)
{
    _MoxToolbarItem_ item;
    item.index = static_cast<int>(items_.size());
    item.iconIndex = iconIndex;
    item.text = text;
    item.tooltip = tooltip;
    // The skin's widths fit the Chinese captions; a longer translation widens its button.
    constexpr int kCaptionMargin = 12;
    item.width = std::max(width, fontMetrics().horizontalAdvance(text) + kCaptionMargin);
    items_.push_back(item);
    updateGeometry();
    update();
    return item.index;
}

void CMoxToolbar::SetItemCommandId(int index, int commandId)
{
    if (index >= 0 && index < GetItemCount())
        items_[index].commandId = commandId;
}

void CMoxToolbar::SetItemDropDown(int index, bool dropDown)
{
    if (index < 0 || index >= GetItemCount())
        return;
    items_[index].dropDown = dropDown;
    updateGeometry();
    update();
}

int CMoxToolbar::GetCurrentItem() const
{
    return current_;
}

const _MoxToolbarItem_* CMoxToolbar::GetItem(int index) const
{
    return index >= 0 && index < GetItemCount() ? &items_[index] : nullptr;
}

int CMoxToolbar::GetItemCount() const
{
    return static_cast<int>(items_.size());
}

int CMoxToolbar::FindItem(const QString& text) const
{
    for (const _MoxToolbarItem_& item : items_)
        if (item.text == text)
            return item.index;
    return -1;
}

QRect CMoxToolbar::ItemRect(int index) const
{
    if (index < 0 || index >= GetItemCount())
        return {};
    int left = kLeftMargin;
    for (int i = 0; i < index; ++i)
        left += items_[i].width + (items_[i].dropDown ? kArrowWidth : 0);
    const _MoxToolbarItem_& item = items_[index];
    return QRect(left, 0, item.width + (item.dropDown ? kArrowWidth : 0), kHeight);
}

int CMoxToolbar::ItemFrame(int index) const
{
    if (index == current_)
        return SkinImages::kFrameCurrent;
    if (index == pressed_)
        return SkinImages::kFramePressed;
    if (index == hover_ && pressed_ < 0)
        return SkinImages::kFrameHover;
    return SkinImages::kFrameNormal;
}

QSize CMoxToolbar::sizeHint() const
{
    const QRect last = ItemRect(GetItemCount() - 1);
    return QSize(last.isNull() ? kLeftMargin : last.right() + 1 + kLeftMargin, kHeight);
}

int CMoxToolbar::ItemAt(const QPoint& position) const
{
    for (int i = 0; i < GetItemCount(); ++i)
        if (ItemRect(i).contains(position))
            return i;
    return -1;
}

bool CMoxToolbar::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const _MoxToolbarItem_* item = GetItem(ItemAt(help->pos()));
        if (item && !item->tooltip.isEmpty())
            QToolTip::showText(help->globalPos(), item->tooltip, this, ItemRect(item->index));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void CMoxToolbar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    CSkinPainter::FillBackground(painter, CSkinImageCache::Image(SkinImages::kToolbarBackground), rect(),
                                 kPlainToolbarBand);
    for (const _MoxToolbarItem_& item : items_)
        PaintItem(painter, item);
}

void CMoxToolbar::PaintItem(QPainter& painter, const _MoxToolbarItem_& item)
{
    const QRect whole = ItemRect(item.index);
    const QRect face(whole.left(), whole.top(), item.width, whole.height());
    const int frame = ItemFrame(item.index);
    painter.setPen(Qt::white);
    if (!CSkinPainter::DrawFrame(painter, CSkinImageCache::Image(SkinImages::kToolbarButton),
                                 SkinImages::kStripFrames, frame, face))
        painter.fillRect(face.adjusted(1, 2, -1, -2), kPlainButtonFrames[frame]);
    if (item.dropDown) {
        const QRect arrow(face.right() + 1, whole.top(), kArrowWidth, whole.height());
        if (!CSkinPainter::DrawFrame(painter, CSkinImageCache::Image(SkinImages::kToolbarArrow),
                                     SkinImages::kStripFrames, frame, arrow, 2))
            painter.drawText(arrow, Qt::AlignCenter, QStringLiteral("▾"));
    }
    const bool iconDrawn =
        CSkinPainter::DrawIcon(painter, CSkinImageCache::Image(SkinImages::kToolbarIcons), item.iconIndex,
                               QPoint(face.left() + (face.width() - kIconSide) / 2, face.top() + kIconTop));
    if (iconDrawn)
        painter.drawText(QRect(face.left(), face.top() + kTextTop, face.width(), kHeight - kTextTop - 2),
                         Qt::AlignHCenter | Qt::AlignTop, item.text);
    else
        painter.drawText(face, Qt::AlignCenter, item.text);
    if (hasFocus() && item.index == focus_.Index())
        CSkinPainter::DrawFocusFrame(painter, face.adjusted(2, 3, -2, -3), Qt::white);
}

void CMoxToolbar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // The widget keeps the mouse until the release, so a release outside it still reaches us.
    pressed_ = ItemAt(event->position().toPoint());
    update();
}

void CMoxToolbar::mouseMoveEvent(QMouseEvent* event)
{
    SetHover(ItemAt(event->position().toPoint()));
}

void CMoxToolbar::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || pressed_ < 0)
        return;
    const int chosen = pressed_;
    pressed_ = -1;
    if (ItemAt(event->position().toPoint()) != chosen) {
        update();
        return;
    }
    ChooseItem(chosen);
}

void CMoxToolbar::ChooseItem(int index)
{
    if (index < 0 || index >= GetItemCount() || current_ >= 0)
        return;
    current_ = index;
    repaint();
    // The owner may open a modal window or even close the window that holds this toolbar.
    QPointer<CMoxToolbar> alive(this);
    if (owner_)
        owner_->OnExecuteCmd(controlId_, IExecuteCmdCallback::kItemChosen, 0, 0);
    if (!alive)
        return;
    current_ = -1;
    update();
}

int CMoxToolbar::FocusedItem() const
{
    return focus_.Index();
}

void CMoxToolbar::FocusItem(int index)
{
    focus_.MoveTo(index, GetItemCount());
}

void CMoxToolbar::keyPressEvent(QKeyEvent* event)
{
    if (!HandleItemKey(*this, *event))
        QWidget::keyPressEvent(event);
}

void CMoxToolbar::focusInEvent(QFocusEvent* event)
{
    focus_.StartAt(0);
    update();
    QWidget::focusInEvent(event);
    NotifyItemFocused(this, focus_.Index());
}

void CMoxToolbar::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}

int CMoxToolbar::AccessibleItemCount() const
{
    return GetItemCount();
}

QString CMoxToolbar::AccessibleItemText(int index) const
{
    const _MoxToolbarItem_* item = GetItem(index);
    return item ? item->text : QString();
}

QString CMoxToolbar::AccessibleItemDescription(int index) const
{
    const _MoxToolbarItem_* item = GetItem(index);
    return item ? item->tooltip : QString();
}

QRect CMoxToolbar::AccessibleItemRect(int index) const
{
    return ItemRect(index);
}

bool CMoxToolbar::IsItemSelected(int) const
{
    return false;
}

bool CMoxToolbar::IsItemPressed(int index) const
{
    return index >= 0 && (index == pressed_ || index == current_);
}

void CMoxToolbar::leaveEvent(QEvent*)
{
    SetHover(-1);
}

void CMoxToolbar::SetHover(int index)
{
    if (index == hover_)
        return;
    hover_ = index;
    update();
}
