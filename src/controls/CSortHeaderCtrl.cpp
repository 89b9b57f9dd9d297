#include "controls/CSortHeaderCtrl.h"

#include "controls/CSkinImageCache.h"
#include "controls/CSkinPainter.h"
#include "controls/SkinImages.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int kHeaderHeight = 26;
constexpr int kTextPadding = 6;
constexpr int kArrowRoom = 16;
const QColor kPlainBackground(0xec, 0xef, 0xf3);
const QColor kPlainLine(0xc9, 0xce, 0xd6);
const QColor kText(0x2a, 0x33, 0x3e);

}  // namespace

CSortHeaderCtrl::CSortHeaderCtrl(Qt::Orientation orientation, QWidget* parent) : QHeaderView(orientation, parent)
{
    setSectionsClickable(true);
    setSortIndicatorShown(true);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

// The style would paint the area after the last column its own way; paint it all ourselves.
void CSortHeaderCtrl::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    CSkinPainter::FillBackground(painter, CSkinImageCache::Image(SkinImages::kHeaderBackground),
                                 viewport()->rect(), kPlainBackground);
    for (int visual = 0; visual < count(); ++visual) {
        const int logical = logicalIndex(visual);
        if (isSectionHidden(logical))
            continue;
        const int start = sectionViewportPosition(logical);
        const int size = sectionSize(logical);
        const QRect section = orientation() == Qt::Horizontal ? QRect(start, 0, size, viewport()->height())
                                                              : QRect(0, start, viewport()->width(), size);
        if (section.intersects(viewport()->rect()))
            paintSection(&painter, section, logical);
    }
}

void CSortHeaderCtrl::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    painter->save();
    const QPixmap& line = CSkinImageCache::Image(SkinImages::kHeaderLine);
    const int lineWidth = line.isNull() ? 1 : line.width();
    const QRect separator(rect.right() + 1 - lineWidth, rect.top() + 3, lineWidth, rect.height() - 6);
    if (!CSkinPainter::DrawStretched(*painter, line, separator))
        painter->fillRect(separator, kPlainLine);

    QRect textArea = rect.adjusted(kTextPadding, 0, -kTextPadding - lineWidth, 0);
    if (isSortIndicatorShown() && sortIndicatorSection() == logicalIndex) {
        const QPixmap& arrows = CSkinImageCache::Image(SkinImages::kHeaderArrow);
        const QRect arrowArea(textArea.right() - kArrowRoom + 1, rect.top(), kArrowRoom, rect.height());
        const int frame = sortIndicatorOrder() == Qt::AscendingOrder ? 0 : 1;
        const int arrowWidth = arrows.isNull() ? 0 : arrows.width() / SkinImages::kHeaderArrowFrames;
        if (arrowWidth > 0) {
            const QRect source(frame * arrowWidth, 0, arrowWidth, arrows.height());
            const QPoint at(arrowArea.center().x() - arrowWidth / 2, arrowArea.center().y() - arrows.height() / 2);
            painter->drawPixmap(at, arrows, source);
        } else {
            painter->setPen(kText);
            painter->drawText(arrowArea, Qt::AlignCenter, frame == 0 ? QStringLiteral("▲") : QStringLiteral("▼"));
        }
        textArea.setRight(arrowArea.left() - 1);
    }

    const QVariant alignment = model() ? model()->headerData(logicalIndex, orientation(), Qt::TextAlignmentRole)
                                       : QVariant();
    const QString text =
        model() ? model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString() : QString();
    painter->setPen(kText);
    painter->drawText(textArea,
                      alignment.isValid() ? Qt::Alignment(alignment.toInt()) : defaultAlignment(),
                      fontMetrics().elidedText(text, Qt::ElideRight, textArea.width()));
    painter->restore();
}

QSize CSortHeaderCtrl::sectionSizeFromContents(int logicalIndex) const
{
    const QString text =
        model() ? model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString() : QString();
    return QSize(fontMetrics().horizontalAdvance(text) + 2 * kTextPadding + kArrowRoom,
                 std::max(kHeaderHeight, fontMetrics().height() + 8));
}
