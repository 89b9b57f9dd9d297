#include "SkinGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

constexpr qreal kDesignSize = 24.0;

QPen LinePen(const QColor& colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A filled arrow head whose tip is at `tip`, pointing along `angleDegrees` (0 = right, 90 = down).
void ArrowHead(QPainter& painter, QPointF tip, qreal angleDegrees, qreal length, const QColor& colour)
{
    const qreal angle = qDegreesToRadians(angleDegrees);
    const QPointF back(-std::cos(angle) * length, -std::sin(angle) * length);
    const QPointF side(-std::sin(angle) * length * 0.6, std::cos(angle) * length * 0.6);
    const QPointF head[] = {tip, tip + back + side, tip + back - side};
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(head, 3);
    painter.restore();
}

void DrawGlobeLines(QPainter& painter, QPointF centre, qreal radius, const QPen& pen)
{
    painter.save();
    QPainterPath clip;
    clip.addEllipse(centre, radius, radius);
    painter.setClipPath(clip);
    painter.setPen(pen);
    painter.drawEllipse(centre, radius * 0.45, radius);
    for (qreal dy : {-radius * 0.5, 0.0, radius * 0.5})
        painter.drawLine(QPointF(centre.x() - radius, centre.y() + dy), QPointF(centre.x() + radius, centre.y() + dy));
    painter.restore();
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius, radius);
}

QPainterPath GearPath()
{
    QPainterPath gear;
    gear.addEllipse(QPointF(12, 12), 6.6, 6.6);
    for (int tooth = 0; tooth < 8; ++tooth) {
        QPainterPath rect;
        rect.addRoundedRect(QRectF(-1.9, -10, 3.8, 5), 0.8, 0.8);
        QTransform turn;
        turn.translate(12, 12);
        turn.rotate(tooth * 45.0);
        gear = gear.united(turn.map(rect));
    }
    QPainterPath hole;
    hole.addEllipse(QPointF(12, 12), 2.8, 2.8);
    return gear.subtracted(hole);
}

void DrawInDesignBox(QPainter& p, Glyph glyph, const GlyphInk& ink)
{
    const QPen line = LinePen(ink.line, ink.strokeWidth);
    const QPen accent = LinePen(ink.accent, ink.strokeWidth);
    p.setPen(line);
    p.setBrush(Qt::NoBrush);
    switch (glyph) {
    case Glyph::MonitorGraph: {
        p.drawRoundedRect(QRectF(3, 4, 18, 12.5), 1.5, 1.5);
        p.drawLine(QPointF(12, 16.5), QPointF(12, 19.5));
        p.drawLine(QPointF(8, 20), QPointF(16, 20));
        p.setPen(accent);
        const QPointF graph[] = {{6, 13}, {9, 10}, {12, 12}, {15, 7.5}, {18, 9.5}};
        p.drawPolyline(graph, 5);
        break;
    }
    case Glyph::Eye: {
        QPainterPath almond;
        almond.moveTo(2.5, 12);
        almond.quadTo(12, 2.5, 21.5, 12);
        almond.quadTo(12, 21.5, 2.5, 12);
        p.drawPath(almond);
        p.setPen(Qt::NoPen);
        p.setBrush(ink.accent);
        p.drawEllipse(QPointF(12, 12), 3.6, 3.6);
        p.setBrush(ink.line);
        p.drawEllipse(QPointF(12, 12), 1.5, 1.5);
        break;
    }
    case Glyph::Globe:
        DrawGlobeLines(p, QPointF(12, 12), 8.8, line);
        p.setPen(accent);
        p.drawEllipse(QPointF(12, 12), 8.8 * 0.45, 8.8);
        break;
    case Glyph::RulesList:
        for (qreal y : {6.0, 12.0, 18.0}) {
            p.setPen(Qt::NoPen);
            p.setBrush(ink.accent);
            p.drawRoundedRect(QRectF(3.5, y - 1.8, 3.6, 3.6), 0.8, 0.8);
            p.setPen(line);
            p.drawLine(QPointF(10, y), QPointF(20.5, y));
        }
        break;
    case Glyph::Arrows:
        p.drawLine(QPointF(3.5, 8), QPointF(17, 8));
        ArrowHead(p, QPointF(21, 8), 0, 5, ink.line);
        p.setPen(accent);
        p.drawLine(QPointF(20.5, 16), QPointF(7, 16));
        ArrowHead(p, QPointF(3, 16), 180, 5, ink.accent);
        break;
    case Glyph::Shield: {
        QPainterPath shield;
        shield.moveTo(12, 2.5);
        shield.lineTo(19.8, 5.5);
        shield.lineTo(19.8, 11);
        shield.cubicTo(19.8, 16, 16.5, 19.5, 12, 21.5);
        shield.cubicTo(7.5, 19.5, 4.2, 16, 4.2, 11);
        shield.lineTo(4.2, 5.5);
        shield.closeSubpath();
        p.drawPath(shield);
        p.setPen(accent);
        const QPointF tick[] = {{8.3, 12}, {11, 14.8}, {16, 8.8}};
        p.drawPolyline(tick, 3);
        break;
    }
    case Glyph::Disk:
        p.drawRoundedRect(QRectF(3, 5.5, 18, 13), 2, 2);
        p.drawLine(QPointF(3, 14), QPointF(21, 14));
        p.drawLine(QPointF(6, 16.3), QPointF(11, 16.3));
        p.setPen(Qt::NoPen);
        p.setBrush(ink.accent);
        p.drawEllipse(QPointF(17.5, 16.3), 1.3, 1.3);
        p.setPen(accent);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(12, 9.8), 5.5, 2.2);
        break;
    case Glyph::Dns:
        for (qreal top : {3.0, 9.5, 16.0}) {
            p.setPen(line);
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(QRectF(3.5, top, 17, 5), 1.2, 1.2);
            p.drawLine(QPointF(11, top + 2.5), QPointF(17.5, top + 2.5));
            p.setPen(Qt::NoPen);
            p.setBrush(ink.accent);
            p.drawEllipse(QPointF(7, top + 2.5), 1.2, 1.2);
        }
        break;
    case Glyph::Gear:
        p.setPen(Qt::NoPen);
        p.setBrush(ink.line);
        p.drawPath(GearPath());
        p.setBrush(ink.accent);
        p.drawEllipse(QPointF(12, 12), 1.4, 1.4);
        break;
    case Glyph::Trash: {
        p.drawLine(QPointF(4, 6), QPointF(20, 6));
        const QPointF handle[] = {{9.5, 6}, {9.5, 3.5}, {14.5, 3.5}, {14.5, 6}};
        p.drawPolyline(handle, 4);
        const QPointF can[] = {{6, 6}, {7.2, 20.5}, {16.8, 20.5}, {18, 6}};
        p.drawPolyline(can, 4);
        p.setPen(accent);
        p.drawLine(QPointF(10, 9.5), QPointF(10.3, 17.5));
        p.drawLine(QPointF(14, 9.5), QPointF(13.7, 17.5));
        break;
    }
    case Glyph::Clock:
        p.drawEllipse(QPointF(12, 12), 8.8, 8.8);
        p.setPen(accent);
        p.drawLine(QPointF(12, 12), QPointF(12, 6.5));
        p.drawLine(QPointF(12, 12), QPointF(16, 14.5));
        break;
    case Glyph::Key:
        p.drawEllipse(QPointF(7.5, 12), 4.3, 4.3);
        p.setPen(accent);
        p.drawLine(QPointF(11.8, 12), QPointF(21, 12));
        p.drawLine(QPointF(17, 12), QPointF(17, 15.5));
        p.drawLine(QPointF(20.3, 12), QPointF(20.3, 15));
        break;
    case Glyph::Lock: {
        QPainterPath shackle;
        shackle.moveTo(8, 10.5);
        shackle.lineTo(8, 8);
        shackle.arcTo(QRectF(8, 4, 8, 8), 180, -180);
        shackle.lineTo(16, 10.5);
        p.drawPath(shackle);
        p.setPen(Qt::NoPen);
        p.setBrush(ink.accent);
        p.drawRoundedRect(QRectF(4.5, 10.5, 15, 10.5), 2, 2);
        p.setBrush(ink.line);
        p.drawEllipse(QPointF(12, 14.6), 1.5, 1.5);
        p.drawRect(QRectF(11.4, 15, 1.2, 3.2));
        break;
    }
    case Glyph::Question: {
        p.drawEllipse(QPointF(12, 12), 9, 9);
        p.setPen(accent);
        QPainterPath mark;
        mark.moveTo(9, 9.5);
        mark.cubicTo(9, 6.3, 15, 6.3, 15, 9.5);
        mark.cubicTo(15, 12, 12, 12, 12, 14.3);
        p.drawPath(mark);
        p.setPen(Qt::NoPen);
        p.setBrush(ink.accent);
        p.drawEllipse(QPointF(12, 17.4), 1.3, 1.3);
        break;
    }
    case Glyph::Info:
        p.drawEllipse(QPointF(12, 12), 9, 9);
        p.setPen(accent);
        p.drawLine(QPointF(12, 11), QPointF(12, 17));
        p.setPen(Qt::NoPen);
        p.setBrush(ink.accent);
        p.drawEllipse(QPointF(12, 7.4), 1.4, 1.4);
        break;
    case Glyph::Wrench: {
        p.setPen(LinePen(ink.line, ink.strokeWidth * 1.7));
        p.drawLine(QPointF(5, 19), QPointF(13, 11));
        QPainterPath jaw;
        const QRectF head(11.5, 3.5, 9, 9);
        jaw.arcMoveTo(head, 80);
        jaw.arcTo(head, 80, 280);
        p.setPen(LinePen(ink.line, ink.strokeWidth * 1.4));
        p.drawPath(jaw);
        p.setPen(Qt::NoPen);
        p.setBrush(ink.accent);
        p.drawEllipse(QPointF(5.6, 18.4), 1.1, 1.1);
        break;
    }
    case Glyph::Power: {
        QPainterPath ring;
        const QRectF circle(4, 4.5, 16, 16);
        ring.arcMoveTo(circle, 125);
        ring.arcTo(circle, 125, 290);
        p.drawPath(ring);
        p.setPen(accent);
        p.drawLine(QPointF(12, 3), QPointF(12, 11.5));
        break;
    }
    case Glyph::Refresh: {
        QPainterPath arc;
        const QRectF circle(5, 5, 14, 14);
        arc.arcMoveTo(circle, 40);
        arc.arcTo(circle, 40, 280);
        p.setPen(accent);
        p.drawPath(arc);
        // Travel continues counter-clockwise at the arc's end (320 degrees): up and to the right.
        const qreal end = qDegreesToRadians(320.0);
        const QPointF endPoint(12 + 7 * std::cos(end), 12 - 7 * std::sin(end));
        ArrowHead(p, endPoint + QPointF(2.0, -2.4), -50, 5, ink.accent);
        break;
    }
    case Glyph::Web:
        p.drawRoundedRect(QRectF(2.5, 3.5, 19, 17), 2, 2);
        p.drawLine(QPointF(2.5, 7.5), QPointF(21.5, 7.5));
        p.setPen(Qt::NoPen);
        p.setBrush(ink.line);
        for (qreal x : {5.0, 7.3, 9.6})
            p.drawEllipse(QPointF(x, 5.5), 0.8, 0.8);
        DrawGlobeLines(p, QPointF(12, 14), 4.6, LinePen(ink.accent, ink.strokeWidth * 0.8));
        break;
    }
}

}  // namespace

void DrawGlyph(QPainter& painter, Glyph glyph, const QRectF& box, const GlyphInk& ink)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.topLeft());
    painter.scale(box.width() / kDesignSize, box.height() / kDesignSize);
    DrawInDesignBox(painter, glyph, ink);
    painter.restore();
}
