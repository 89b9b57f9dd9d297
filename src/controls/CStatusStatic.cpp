#include "controls/CStatusStatic.h"

#include "controls/CSkinImageCache.h"
#include "controls/CSkinPainter.h"
#include "controls/SkinImages.h"

#include <QPainter>

namespace {

constexpr int kHeight = 24;
constexpr int kTextPadding = 8;
const QColor kPlainBackground(0xe3, 0xe7, 0xec);
const QColor kText(0x2a, 0x33, 0x3e);

}  // namespace

CStatusStatic::CStatusStatic(QWidget* parent) : QLabel(parent)
{
    setFixedHeight(kHeight);
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

QSize CStatusStatic::minimumSizeHint() const
{
    return QSize(2 * kTextPadding, kHeight);
}

void CStatusStatic::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    CSkinPainter::FillBackground(painter, CSkinImageCache::Image(SkinImages::kStatusBackground), rect(),
                                 kPlainBackground);
    const QRect textArea = rect().adjusted(kTextPadding, 0, -kTextPadding, 0);
    painter.setPen(kText);
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(text(), Qt::ElideRight, textArea.width()));
}
