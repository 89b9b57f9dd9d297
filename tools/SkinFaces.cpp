#include "SkinFaces.h"

#include "SkinGlyphs.h"
#include "controls/SkinImages.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <functional>

namespace SkinFaces {
namespace {

// Sizes the controls are laid out for; faces stretch, icons are drawn at their own size.
constexpr int kToolbarHeight = 60;
constexpr int kToolbarButtonWidth = 68;
constexpr int kToolbarArrowWidth = 12;
constexpr int kToolbarIconSide = 32;
constexpr int kToolbarIconCount = 10;
constexpr int kNavigatRowWidth = 150;
constexpr int kNavigatRowHeight = 28;
constexpr int kNavigatIconSide = 24;
constexpr int kTabWidth = 96;
constexpr int kTabHeight = 28;
constexpr int kHeaderHeight = 26;
constexpr int kStatusHeight = 24;
constexpr int kStatusIconSide = 16;

const QColor kSlateTop(0x36, 0x42, 0x51);
const QColor kSlateMiddle(0x26, 0x2f, 0x3a);
const QColor kSlateBottom(0x1c, 0x23, 0x2b);
const QColor kSteelBlue(0x3d, 0x7f, 0xcb);
const QColor kSteelBlueDark(0x2b, 0x62, 0xa6);
const QColor kSteelBlueLight(0x8c, 0xc0, 0xff);
const QColor kPaleLine(0xc5, 0xcc, 0xd5);
const QColor kGlyphOnSlate(0xe9, 0xee, 0xf4);

QImage Blank(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QLinearGradient Vertical(qreal top, qreal bottom, const QColor& from, const QColor& to)
{
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    return gradient;
}

// A strip of `frameCount` frames side by side, each painted by `paint` into its own rectangle.
QImage Strip(int frameWidth, int height, int frameCount, const std::function<void(QPainter&, int, QRectF)>& paint)
{
    QImage image = Blank(frameWidth * frameCount, height);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int frame = 0; frame < frameCount; ++frame) {
        painter.save();
        painter.setClipRect(QRect(frame * frameWidth, 0, frameWidth, height));
        paint(painter, frame, QRectF(frame * frameWidth, 0, frameWidth, height));
        painter.restore();
    }
    return image;
}

// The face of a toolbar button in one state; the normal state leaves the band showing.
void PaintToolbarFace(QPainter& p, int frame, const QRectF& cell)
{
    const QRectF face = cell.adjusted(1.5, 2.5, -1.5, -2.5);
    switch (frame) {
    case SkinImages::kFrameHover:
        p.setPen(QPen(QColor(255, 255, 255, 70), 1));
        p.setBrush(Vertical(face.top(), face.bottom(), QColor(255, 255, 255, 44), QColor(255, 255, 255, 14)));
        p.drawRoundedRect(face, 3, 3);
        break;
    case SkinImages::kFramePressed:
        p.setPen(QPen(QColor(0, 0, 0, 120), 1));
        p.setBrush(Vertical(face.top(), face.bottom(), QColor(0, 0, 0, 95), QColor(0, 0, 0, 50)));
        p.drawRoundedRect(face, 3, 3);
        p.setPen(QPen(QColor(255, 255, 255, 30), 1));
        p.drawLine(QPointF(face.left() + 3, face.bottom() + 1), QPointF(face.right() - 3, face.bottom() + 1));
        break;
    case SkinImages::kFrameCurrent:
        p.setPen(QPen(QColor(0x6a, 0xa6, 0xec), 1));
        p.setBrush(Vertical(face.top(), face.bottom(), QColor(0x4c, 0x92, 0xe2), kSteelBlueDark));
        p.drawRoundedRect(face, 3, 3);
        break;
    case SkinImages::kFrameDisabled:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawRoundedRect(face, 3, 3);
        break;
    default:
        break;
    }
}

void PaintIconStrip(QImage& image, int side, const std::vector<std::function<void(QPainter&, QRectF)>>& icons)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (size_t i = 0; i < icons.size(); ++i)
        icons[i](painter, QRectF(i * side, 0, side, side));
}

// A navigation icon: a small coloured tile with a white glyph, readable on light and dark rows.
std::function<void(QPainter&, QRectF)> Tile(Glyph glyph, const QColor& colour)
{
    return [glyph, colour](QPainter& p, QRectF cell) {
        const QRectF tile = cell.adjusted(1, 1, -1, -1);
        p.setPen(QPen(colour.darker(135), 1));
        p.setBrush(Vertical(tile.top(), tile.bottom(), colour.lighter(118), colour.darker(110)));
        p.drawRoundedRect(tile.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
        DrawGlyph(p, glyph, cell.adjusted(3.5, 3.5, -3.5, -3.5), {Qt::white, QColor(255, 255, 255, 200), 2.1});
    };
}

std::function<void(QPainter&, QRectF)> OnSlate(Glyph glyph, const QColor& accent)
{
    return [glyph, accent](QPainter& p, QRectF cell) {
        DrawGlyph(p, glyph, cell.adjusted(1, 1, -1, -1), {kGlyphOnSlate, accent, 1.7});
    };
}

QImage StatusDisc(const QColor& colour, const std::function<void(QPainter&)>& mark)
{
    QImage image = Blank(kStatusIconSide, kStatusIconSide);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour.darker(130), 1));
    QRadialGradient shade(QPointF(6, 5), 10);
    shade.setColorAt(0, colour.lighter(125));
    shade.setColorAt(1, colour);
    p.setBrush(shade);
    p.drawEllipse(QRectF(1, 1, 14, 14));
    mark(p);
    return image;
}

}  // namespace

QImage ToolbarBackground()
{
    QImage image = Blank(16, kToolbarHeight);
    QPainter p(&image);
    QLinearGradient band(0, 0, 0, kToolbarHeight);
    band.setColorAt(0, kSlateTop);
    band.setColorAt(0.45, kSlateMiddle);
    band.setColorAt(1, kSlateBottom);
    p.fillRect(image.rect(), band);
    p.fillRect(QRect(0, 0, 16, 1), QColor(0x4c, 0x5a, 0x6b));
    p.fillRect(QRect(0, kToolbarHeight - 1, 16, 1), QColor(0x11, 0x16, 0x1c));
    return image;
}

QImage ToolbarButtonStrip()
{
    return Strip(kToolbarButtonWidth, kToolbarHeight, SkinImages::kStripFrames, PaintToolbarFace);
}

QImage ToolbarArrowStrip()
{
    return Strip(kToolbarArrowWidth, kToolbarHeight, SkinImages::kStripFrames, [](QPainter& p, int frame, QRectF cell) {
        PaintToolbarFace(p, frame, cell);
        const QPointF centre = cell.center();
        const QPointF arrow[] = {centre + QPointF(-3, -1.5), centre + QPointF(3, -1.5), centre + QPointF(0, 2)};
        p.setPen(Qt::NoPen);
        p.setBrush(frame == SkinImages::kFrameDisabled ? QColor(0x7d, 0x88, 0x95) : kGlyphOnSlate);
        p.drawPolygon(arrow, 3);
    });
}

QImage ToolbarIcons()
{
    const QColor gold(0xf2, 0xc1, 0x4e);
    const QColor sky(0x6c, 0xc3, 0xff);
    const QColor coral(0xff, 0x7b, 0x6b);
    const QColor green(0x5f, 0xd3, 0x8d);
    const QColor steel(0xb9, 0xc4, 0xd0);
    QImage image = Blank(kToolbarIconSide * kToolbarIconCount, kToolbarIconSide);
    PaintIconStrip(image, kToolbarIconSide,
                   {OnSlate(Glyph::Key, gold), OnSlate(Glyph::Refresh, sky), OnSlate(Glyph::Lock, gold),
                    OnSlate(Glyph::Question, sky), OnSlate(Glyph::Wrench, steel), OnSlate(Glyph::Power, coral),
                    OnSlate(Glyph::Gear, steel), OnSlate(Glyph::Info, sky), OnSlate(Glyph::Shield, green),
                    OnSlate(Glyph::Web, sky)});
    return image;
}

QImage NavigatRowStrip()
{
    return Strip(kNavigatRowWidth, kNavigatRowHeight, SkinImages::kStripFrames, [](QPainter& p, int frame, QRectF cell) {
        const QRectF separator(cell.left(), cell.bottom() - 1, cell.width(), 1);
        switch (frame) {
        case SkinImages::kFrameHover:
            p.fillRect(cell, QColor(0xdf, 0xe8, 0xf3));
            break;
        case SkinImages::kFramePressed:
            p.fillRect(cell, Vertical(cell.top(), cell.bottom(), QColor(0x46, 0x88, 0xd4), kSteelBlueDark));
            p.fillRect(QRectF(cell.left(), cell.top(), 3, cell.height()), kSteelBlueLight);
            break;
        case SkinImages::kFrameCurrent:
            p.fillRect(cell, Vertical(cell.top(), cell.bottom(), kSteelBlueDark, QColor(0x22, 0x50, 0x8a)));
            p.fillRect(QRectF(cell.left(), cell.top(), 3, cell.height()), kSteelBlueLight);
            break;
        case SkinImages::kFrameDisabled:
            p.fillRect(cell, QColor(0xee, 0xf1, 0xf5));
            break;
        default:
            break;
        }
        p.fillRect(separator, QColor(0xdd, 0xe3, 0xea));
    });
}

QImage NavigatIcons()
{
    QImage image = Blank(kNavigatIconSide * 11, kNavigatIconSide);
    PaintIconStrip(image, kNavigatIconSide,
                   {Tile(Glyph::RulesList, QColor(0x3b, 0x82, 0xc4)), Tile(Glyph::Trash, QColor(0x8a, 0x94, 0xa3)),
                    Tile(Glyph::Clock, QColor(0x7a, 0x6b, 0xd1)), Tile(Glyph::Eye, QColor(0x26, 0x9e, 0x94)),
                    Tile(Glyph::Globe, QColor(0x2f, 0x8f, 0xd6)), Tile(Glyph::Arrows, QColor(0xd9, 0x82, 0x2b)),
                    Tile(Glyph::Dns, QColor(0x6c, 0x5c, 0xe7)), Tile(Glyph::Disk, QColor(0x5f, 0x7d, 0x95)),
                    Tile(Glyph::Shield, QColor(0x2e, 0x9e, 0x5b)), Tile(Glyph::MonitorGraph, QColor(0x1f, 0x8f, 0xd1)),
                    Tile(Glyph::Gear, QColor(0x6b, 0x77, 0x85))});
    return image;
}

QImage TabStrip()
{
    return Strip(kTabWidth, kTabHeight, SkinImages::kStripFrames, [](QPainter& p, int frame, QRectF cell) {
        const QRectF face = cell.adjusted(0.5, 2.5, -0.5, 0.5);
        QPainterPath outline;
        outline.moveTo(face.left(), face.bottom());
        outline.lineTo(face.left(), face.top() + 3);
        outline.quadTo(face.left(), face.top(), face.left() + 3, face.top());
        outline.lineTo(face.right() - 3, face.top());
        outline.quadTo(face.right(), face.top(), face.right(), face.top() + 3);
        outline.lineTo(face.right(), face.bottom());
        const bool selected = frame == SkinImages::kFramePressed || frame == SkinImages::kFrameCurrent;
        QBrush fill;
        QColor border = kPaleLine;
        if (selected)
            fill = Qt::white;
        else if (frame == SkinImages::kFrameHover)
            fill = Vertical(face.top(), face.bottom(), QColor(0xf7, 0xf9, 0xfb), QColor(0xe7, 0xec, 0xf2)),
            border = QColor(0xb3, 0xbc, 0xc7);
        else if (frame == SkinImages::kFrameDisabled)
            fill = QColor(0xe9, 0xec, 0xf0), border = QColor(0xd3, 0xd8, 0xde);
        else
            fill = Vertical(face.top(), face.bottom(), QColor(0xee, 0xf1, 0xf5), QColor(0xdd, 0xe2, 0xe9));
        p.setPen(QPen(border, 1));
        p.setBrush(fill);
        p.drawPath(outline);
        if (selected)
            p.fillRect(QRectF(face.left() + 2, face.top(), face.width() - 4, 2), kSteelBlue);
        else
            p.fillRect(QRectF(cell.left(), cell.bottom() - 1, cell.width(), 1), kPaleLine);
    });
}

QImage HeaderBackground()
{
    QImage image = Blank(8, kHeaderHeight);
    QPainter p(&image);
    p.fillRect(image.rect(), Vertical(0, kHeaderHeight, QColor(0xfb, 0xfc, 0xfd), QColor(0xe6, 0xe9, 0xee)));
    p.fillRect(QRect(0, kHeaderHeight - 1, 8, 1), QColor(0xc3, 0xc9, 0xd2));
    return image;
}

QImage HeaderLine()
{
    QImage image = Blank(2, kHeaderHeight);
    QPainter p(&image);
    p.fillRect(QRect(0, 0, 1, kHeaderHeight), QColor(0xcc, 0xd2, 0xda));
    p.fillRect(QRect(1, 0, 1, kHeaderHeight), Qt::white);
    return image;
}

QImage HeaderArrows()
{
    constexpr int side = 10;
    QImage image = Blank(side * SkinImages::kHeaderArrowFrames, side);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5a, 0x66, 0x75));
    const QPointF up[] = {{1.5, 7}, {8.5, 7}, {5, 3}};
    const QPointF down[] = {{side + 1.5, 3}, {side + 8.5, 3}, {side + 5.0, 7}};
    p.drawPolygon(up, 3);
    p.drawPolygon(down, 3);
    return image;
}

QImage StatusBackground()
{
    QImage image = Blank(8, kStatusHeight);
    QPainter p(&image);
    p.fillRect(image.rect(), Vertical(0, kStatusHeight, QColor(0xee, 0xf1, 0xf5), QColor(0xdc, 0xe1, 0xe8)));
    p.fillRect(QRect(0, 0, 8, 1), kPaleLine);
    p.fillRect(QRect(0, 1, 8, 1), Qt::white);
    return image;
}

QImage DiskStopped()
{
    return StatusDisc(QColor(0x8d, 0x99, 0xa6), [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5, 4.5, 2, 7));
        p.drawRect(QRectF(9, 4.5, 2, 7));
    });
}

QImage DiskFull()
{
    return StatusDisc(QColor(0xd9, 0x4b, 0x3b), [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(7, 3.5, 2, 6), 1, 1);
        p.drawEllipse(QPointF(8, 11.8), 1.1, 1.1);
    });
}

QImage DiskClearing()
{
    return StatusDisc(QColor(0xe8, 0x9a, 0x2c), [](QPainter& p) {
        DrawGlyph(p, Glyph::Refresh, QRectF(1, 1, 14, 14), {Qt::white, Qt::white, 2.6});
    });
}

std::vector<QImage> DiskReadingFrames()
{
    constexpr int frames = 8;
    std::vector<QImage> images;
    for (int frame = 0; frame < frames; ++frame)
        images.push_back(StatusDisc(QColor(0x2e, 0x9e, 0x5b), [frame](QPainter& p) {
            QPainterPath sweep;
            const QRectF ring(4, 4, 8, 8);
            const qreal start = 90 - frame * (360.0 / frames);
            sweep.arcMoveTo(ring, start);
            sweep.arcTo(ring, start, -110);
            p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawPath(sweep);
        }));
    return images;
}

QImage ApplicationIcon()
{
    constexpr int side = 128;
    QImage image = Blank(side, side);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF tile(6, 6, side - 12, side - 12);
    p.setPen(QPen(QColor(0x11, 0x16, 0x1c), 2));
    p.setBrush(Vertical(tile.top(), tile.bottom(), kSlateTop, kSlateBottom));
    p.drawRoundedRect(tile, 24, 24);

    // A stack of three cache discs.
    for (int level = 2; level >= 0; --level) {
        const qreal top = 34 + level * 20;
        const QRectF body(30, top, 68, 24);
        p.setPen(Qt::NoPen);
        p.setBrush(Vertical(body.top(), body.bottom() + 8, kSteelBlue, kSteelBlueDark));
        p.drawRect(QRectF(body.left(), body.top() + 6, body.width(), 18));
        p.drawEllipse(QRectF(body.left(), body.bottom() - 6, body.width(), 12));
        p.setBrush(Vertical(body.top(), body.top() + 12, kSteelBlueLight, kSteelBlue));
        p.drawEllipse(QRectF(body.left(), body.top(), body.width(), 12));
    }
    // The live traffic line across the stack.
    p.setPen(QPen(QColor(0x5f, 0xd3, 0x8d), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF pulse[] = {{20, 86}, {44, 86}, {54, 66}, {66, 100}, {76, 78}, {108, 78}};
    p.drawPolyline(pulse, 6);
    return image;
}

}  // namespace SkinFaces
