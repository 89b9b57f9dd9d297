#pragma once

#include <QColor>
#include <QMargins>
#include <QPixmap>
#include <QRect>

class QPainter;

// Drawing of the skin images: frames of state strips, icons of icon strips, stretched
// backgrounds. Each call returns false when the image is missing, so the caller draws plainly.
class CSkinPainter {
public:
    // Frame `frame` of a strip of `frameCount` equal frames, stretched into `target`; the
    // `border` pixels at each edge of the frame keep their size so rounded corners stay round.
    static bool DrawFrame(QPainter& painter, const QPixmap& strip, int frameCount, int frame,
                          const QRect& target, int border = 4);

    // Icon `index` of a strip of square icons as tall as the image, drawn unscaled at `topLeft`.
    static bool DrawIcon(QPainter& painter, const QPixmap& icons, int index, const QPoint& topLeft);
    static int IconCount(const QPixmap& icons);

    static bool DrawStretched(QPainter& painter, const QPixmap& image, const QRect& target);

    // Fills `target` with the image, or with the flat colour when the image is missing.
    static void FillBackground(QPainter& painter, const QPixmap& image, const QRect& target,
                               const QColor& plainColour);

    // The keyboard focus on a drawn item: a dotted frame just inside `target`, in a colour that
    // stands out from the item's face.
    static void DrawFocusFrame(QPainter& painter, const QRect& target, const QColor& colour);
};
