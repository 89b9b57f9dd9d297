#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

// Simple line glyphs for the icon strips, drawn in a 24-unit design box scaled into any square.
enum class Glyph {
    MonitorGraph,
    Eye,
    Globe,
    RulesList,
    Arrows,
    Shield,
    Disk,
    Dns,
    Gear,
    Trash,
    Clock,
    Key,
    Lock,
    Question,
    Info,
    Wrench,
    Power,
    Refresh,
    Web,
};

struct GlyphInk {
    QColor line;
    QColor accent;
    qreal strokeWidth;  // in design units
};

void DrawGlyph(QPainter& painter, Glyph glyph, const QRectF& box, const GlyphInk& ink);
