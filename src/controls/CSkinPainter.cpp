#include "controls/CSkinPainter.h"

#include <qdrawutil.h>
#include <QPainter>

#include <algorithm>

bool CSkinPainter::DrawFrame(QPainter& painter, const QPixmap& strip, int frameCount, int frame,
                             const QRect& target, int border)
{
    if (strip.isNull() || frameCount <= 0 || frame < 0 || frame >= frameCount)
        return false;
    const int frameWidth = strip.width() / frameCount;
    if (frameWidth <= 0)
        return false;
    const QRect source(frame * frameWidth, 0, frameWidth, strip.height());
    const int sourceBorder = std::min(border, std::min(frameWidth, strip.height()) / 2);
    const int targetBorder = std::min(sourceBorder, std::min(target.width(), target.height()) / 2);
    qDrawBorderPixmap(&painter, target, QMargins(targetBorder, targetBorder, targetBorder, targetBorder),
                      strip, source, QMargins(sourceBorder, sourceBorder, sourceBorder, sourceBorder));
    return true;
}

bool CSkinPainter::DrawIcon(QPainter& painter, const QPixmap& icons, int index, const QPoint& topLeft)
{
    if (index < 0 || index >= IconCount(icons))
        return false;
    const int side = icons.height();
    painter.drawPixmap(topLeft, icons, QRect(index * side, 0, side, side));
    return true;
}

int CSkinPainter::IconCount(const QPixmap& icons)
{
    return icons.isNull() || icons.height() <= 0 ? 0 : icons.width() / icons.height();
}

bool CSkinPainter::DrawStretched(QPainter& painter, const QPixmap& image, const QRect& target)
{
    if (image.isNull())
        return false;
    painter.drawPixmap(target, image);
    return true;
}

void CSkinPainter::FillBackground(QPainter& painter, const QPixmap& image, const QRect& target,
                                  const QColor& plainColour)
{
    if (!DrawStretched(painter, image, target))
        painter.fillRect(target, plainColour);
}

void CSkinPainter::DrawFocusFrame(QPainter& painter, const QRect& target, const QColor& colour)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, 1, Qt::DotLine));
    painter.drawRect(target.adjusted(0, 0, -1, -1));
    painter.restore();
}
