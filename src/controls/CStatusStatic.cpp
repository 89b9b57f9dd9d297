#include "controls/CStatusStatic.h"

#include "controls/CSkinImageCache.h"
#include "controls/CSkinPainter.h"
#include "controls/SkinImages.h"

#include <QPainter>

namespace {

constexpr int kStatusHeight = 24;
constexpr int kStatusTextPadding = 8;
const QColor kPlainStatusBackground(0xe3, 0xe7, 0xec);
const QColor kStatusText(0x2a, 0x33, 0x3e);

}  // namespace

CStatusStatic::CStatusStatic(QWidget* parent) : QLabel(parent)
{
    setFixedHeight(kStatusHeight);
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

QSize CStatusStatic::minimumSizeHint() const
{
    return QSize(2 * kStatusTextPadding, kStatusHeight);
}

void CStatusStatic::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    CSkinPainter::FillBackground(painter, CSkinImageCache::Image(SkinImages::kStatusBackground), rect(),
                                 kPlainStatusBackground);
    const QRect textArea = rect().adjusted(kStatusTextPadding, 0, -kStatusTextPadding, 0);
    painter.setPen(kStatusText);
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(text(), Qt::ElideRight, textArea.width()));
}
