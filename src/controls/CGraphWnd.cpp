#include "controls/CGraphWnd.h"

#include <QPainter>

#include <algorithm>

namespace {

const QColor kGridColour(0x40, 0x80, 0x00);
const QColor kSeriesColours[2] = {QColor(0, 255, 0), QColor(255, 0, 0)};

constexpr double kSmallTop = 120;
constexpr double kSmallLimit = 100;
constexpr double kHeadroom = 1.5;

double TopFor(double largest)
{
    return largest <= kSmallLimit ? kSmallTop : largest * kHeadroom;
}

}  // namespace

CGraphWnd::CGraphWnd(Scale scale, QWidget* parent) : QWidget(parent), scale_(scale)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    line_.reserve(kMaxPoints);
}

QSize CGraphWnd::sizeHint() const
{
    return {300, 120};
}

void CGraphWnd::AddSample(double series1, double series2)
{
    newest_ = (newest_ + 1) % kMaxPoints;
    series_[0][static_cast<std::size_t>(newest_)] = series1;
    series_[1][static_cast<std::size_t>(newest_)] = series2;
    count_ = std::min(count_ + 1, kMaxPoints);
    ++samples_;
    update();
}

void CGraphWnd::Clear()
{
    newest_ = -1;
    count_ = 0;
    samples_ = 0;
    update();
}

double CGraphWnd::Point(const Ring& ring, int age) const
{
    return ring[static_cast<std::size_t>((newest_ - age + kMaxPoints) % kMaxPoints)];
}

int CGraphWnd::VisibleCount() const
{
    return std::min(count_, width() / kPixelsPerSample + 1);
}

double CGraphWnd::LargestVisible(const Ring& ring) const
{
    double largest = 0;
    for (int age = 0; age < VisibleCount(); ++age)
        largest = std::max(largest, Point(ring, age));
    return largest;
}

double CGraphWnd::TopOfScale(int series) const
{
    switch (scale_) {
    case Scale::Percent:
        return 100;
    case Scale::Automatic:
        // One scale for both, so the two lines can be compared by eye.
        return TopFor(std::max(LargestVisible(series_[0]), LargestVisible(series_[1])));
    case Scale::AutomaticSeparate:
        return TopFor(LargestVisible(series_[static_cast<std::size_t>(series)]));
    }
    return 100;
}

void CGraphWnd::resizeEvent(QResizeEvent*)
{
    update();
}

void CGraphWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    PaintGrid(painter);
    // Series 2 first, so that series 1 stays visible where both lie on one line.
    PaintSeries(painter, series_[1], TopOfScale(1), kSeriesColours[1]);
    PaintSeries(painter, series_[0], TopOfScale(0), kSeriesColours[0]);
}

// Whole logical pixels with a cosmetic pen: on a device-pixel ratio of 2 every line covers whole
// device pixels, so the grid stays sharp.
void CGraphWnd::PaintGrid(QPainter& painter) const
{
    painter.setPen(QPen(kGridColour, 1));
    const int bottom = height() - 1;
    for (int y = bottom; y >= 0; y -= kGridSpacing)
        painter.drawLine(0, y, width() - 1, y);
    const int phase = static_cast<int>((samples_ * kPixelsPerSample) % kGridSpacing);
    for (int x = width() - 1 - (kGridSpacing - phase) % kGridSpacing; x >= 0; x -= kGridSpacing)
        painter.drawLine(x, 0, x, bottom);
}

void CGraphWnd::PaintSeries(QPainter& painter, const Ring& ring, double top, const QColor& colour)
{
    const int visible = VisibleCount();
    if (visible == 0 || top <= 0)
        return;
    const double bottom = height() - 1;
    const double scale = height() / top;
    const int right = width() - 1;
    line_.clear();
    for (int age = 0; age < visible; ++age)
        line_.emplace_back(right - age * kPixelsPerSample, std::clamp(bottom - Point(ring, age) * scale, 0.0, bottom));
    painter.setPen(QPen(colour, 1));
    if (line_.size() == 1)
        painter.drawPoint(line_.front());
    else
        painter.drawPolyline(line_.data(), static_cast<int>(line_.size()));
}
