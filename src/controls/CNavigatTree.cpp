#include "controls/CNavigatTree.h"

#include "controls/CSkinImageCache.h"
#include "controls/CSkinPainter.h"
#include "controls/IExecuteCmdCallback.h"
#include "controls/ItemKeys.h"
#include "controls/SkinImages.h"
#include "controls/SkinnedAccessibility.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include "controls/MoxTr.h"

namespace {

const QColor kPlainTreeBackground(0xee, 0xf1, 0xf5);
const QColor kPlainItemFrames[SkinImages::kStripFrames] = {
    QColor(0, 0, 0, 0), QColor(0xdf, 0xe7, 0xf1), QColor(0x2f, 0x6a, 0xb0), QColor(0x26, 0x58, 0x94),
    QColor(0, 0, 0, 0)};
const QColor kItemText(0x2a, 0x33, 0x3e);
const QColor kMark(0xd9, 0x2b, 0x2b);
const QString kMarkText = QStringLiteral("●");

}  // namespace

CNavigatTree::CNavigatTree(int controlId, IExecuteCmdCallback* owner, QWidget* parent)
    : QWidget(parent), controlId_(controlId), owner_(owner)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    InstallSkinnedAccessibility();
    setAccessibleName(MoxTr::tr("导航"));
}

int CNavigatTree::AddItem(const QString& text, int iconIndex)
{
    _NavigatTreeItem_ item;
    item.index = static_cast<int>(items_.size());
    item.text = text;
    item.iconIndex = iconIndex;
    items_.push_back(item);
    updateGeometry();
    update();
    return item.index;
}

void CNavigatTree::SetItemCommandId(int index, int commandId)
{
    if (index >= 0 && index < GetItemCount())
        items_[index].commandId = commandId;
}

void CNavigatTree::SetItemMarked(int index, bool marked)
{
    if (index < 0 || index >= GetItemCount())
        return;
    items_[index].marked = marked;
    update();
}

int CNavigatTree::GetCurrentItem() const
{
    return current_;
}

void CNavigatTree::SetCurrentItem(int index)
{
    current_ = index >= 0 && index < GetItemCount() ? index : -1;
    update();
}

const _NavigatTreeItem_* CNavigatTree::GetItem(int index) const
{
    return index >= 0 && index < GetItemCount() ? &items_[index] : nullptr;
}

int CNavigatTree::GetItemCount() const
{
    return static_cast<int>(items_.size());
}

int CNavigatTree::FindItem(const QString& text) const
{
    for (const _NavigatTreeItem_& item : items_)
        if (item.text == text)
            return item.index;
    return -1;
}

QRect CNavigatTree::ItemRect(int index) const
{
    if (index < 0 || index >= GetItemCount())
        return {};
    return QRect(0, index * kRowHeight, width(), kRowHeight);
}

int CNavigatTree::ItemFrame(int index) const
{
    if (index == current_)
        return SkinImages::kFramePressed;
    if (index == hover_)
        return SkinImages::kFrameHover;
    return SkinImages::kFrameNormal;
}

QSize CNavigatTree::sizeHint() const
{
    // As wide as the skin draws it, wider where a caption (a translated one) needs it, with room
    // for the mark behind the caption; never squeezed by a wide page beside it.
    int widest = kWidth;
    for (const _NavigatTreeItem_& item : items_)
        widest = std::max(widest, kTextLeft + fontMetrics().horizontalAdvance(item.text + QLatin1Char(' ') + kMarkText) + 8);
    return QSize(widest, GetItemCount() * kRowHeight);
}

QSize CNavigatTree::minimumSizeHint() const
{
    return QSize(sizeHint().width(), 0);
}

int CNavigatTree::ItemAt(const QPoint& position) const
{
    if (position.x() < 0 || position.x() >= width() || position.y() < 0)
        return -1;
    const int row = position.y() / kRowHeight;
    return row < GetItemCount() ? row : -1;
}

void CNavigatTree::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kPlainTreeBackground);
    for (const _NavigatTreeItem_& item : items_)
        PaintItem(painter, item);
}

void CNavigatTree::PaintItem(QPainter& painter, const _NavigatTreeItem_& item)
{
    const QRect row = ItemRect(item.index);
    const int frame = ItemFrame(item.index);
    if (!CSkinPainter::DrawFrame(painter, CSkinImageCache::Image(SkinImages::kNavigatRow),
                                 SkinImages::kStripFrames, frame, row))
        painter.fillRect(row, kPlainItemFrames[frame]);
    CSkinPainter::DrawIcon(painter, CSkinImageCache::Image(SkinImages::kNavigatIcons), item.iconIndex,
                           row.topLeft() + QPoint(kIconLeft, kIconTop));

    const QRect textArea = row.adjusted(kTextLeft, 0, 0, 0);
    painter.setPen(item.index == current_ ? QColor(Qt::white) : kItemText);
    QRect textBounds;
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter, item.text, &textBounds);
    if (item.marked) {
        painter.setPen(kMark);
        painter.drawText(textArea.adjusted(textBounds.width() + 4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         kMarkText);
    }
    if (hasFocus() && item.index == focus_.Index())
        CSkinPainter::DrawFocusFrame(painter, row.adjusted(2, 2, -2, -2),
                                     item.index == current_ ? QColor(Qt::white) : kItemText);
}

void CNavigatTree::mouseMoveEvent(QMouseEvent* event)
{
    SetHover(ItemAt(event->position().toPoint()));
}

void CNavigatTree::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int chosen = ItemAt(event->position().toPoint());
    if (chosen < 0)
        return;
    focus_.Set(chosen);
    ChooseItem(chosen);
}

void CNavigatTree::ChooseItem(int index)
{
    if (index < 0 || index >= GetItemCount() || index == current_)
        return;
    current_ = index;
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent selected(this, QAccessible::Selection);
        selected.setChild(index);
        QAccessible::updateAccessibility(&selected);
    }
    // Queued through this widget: the owner runs after the click, and not at all if we are gone.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (owner_)
                owner_->OnExecuteCmd(controlId_, IExecuteCmdCallback::kItemChosen, 0, 0);
        },
        Qt::QueuedConnection);
}

int CNavigatTree::FocusedItem() const
{
    return focus_.Index();
}

void CNavigatTree::FocusItem(int index)
{
    focus_.MoveTo(index, GetItemCount());
}

void CNavigatTree::keyPressEvent(QKeyEvent* event)
{
    if (!HandleItemKey(*this, *event))
        QWidget::keyPressEvent(event);
}

void CNavigatTree::focusInEvent(QFocusEvent* event)
{
    focus_.StartAt(current_ >= 0 ? current_ : 0);
    update();
    QWidget::focusInEvent(event);
    NotifyItemFocused(this, focus_.Index());
}

void CNavigatTree::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}

int CNavigatTree::AccessibleItemCount() const
{
    return GetItemCount();
}

QString CNavigatTree::AccessibleItemText(int index) const
{
    const _NavigatTreeItem_* item = GetItem(index);
    return item ? item->text : QString();
}

QString CNavigatTree::AccessibleItemDescription(int) const
{
    return {};
}

QRect CNavigatTree::AccessibleItemRect(int index) const
{
    return ItemRect(index);
}

bool CNavigatTree::IsItemSelected(int index) const
{
    return index >= 0 && index == current_;
}

bool CNavigatTree::IsItemPressed(int) const
{
    return false;
}

void CNavigatTree::leaveEvent(QEvent*)
{
    SetHover(-1);
}

void CNavigatTree::SetHover(int index)
{
    if (index == hover_)
        return;
    hover_ = index;
    update();
}
