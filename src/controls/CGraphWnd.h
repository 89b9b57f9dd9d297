#pragma once

#include <QWidget>

#include <array>
#include <vector>

// A scrolling graph of two series on a black ground: the newest sample at the right edge, older
// ones 2 pixels further left per sample, the vertical grid moving with them. Series 1 is green,
// series 2 red. The points live in fixed ring buffers, so adding a sample allocates nothing.
class CGraphWnd : public QWidget {
    Q_OBJECT
public:
    enum class Scale {
        Percent,            // fixed 0..100
        Automatic,          // both series against one top, from the larger of them
        AutomaticSeparate,  // each series against a top of its own
    };

    static constexpr int kMaxPoints = 800;
    static constexpr int kPixelsPerSample = 2;
    static constexpr int kGridSpacing = 15;

    explicit CGraphWnd(Scale scale, QWidget* parent = nullptr);

    void AddSample(double series1, double series2);
    void Clear();

    int PointCount() const { return count_; }
    // The value at the top of the scale of a series (0 or 1) over the points on screen.
    double TopOfScale(int series) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    using Ring = std::array<double, kMaxPoints>;

    double Point(const Ring& ring, int age) const;  // age 0: the newest
    int VisibleCount() const;
    double LargestVisible(const Ring& ring) const;
    void PaintGrid(QPainter& painter) const;
    void PaintSeries(QPainter& painter, const Ring& ring, double top, const QColor& colour);

    Scale scale_;
    std::array<Ring, 2> series_{};
    int newest_ = -1;
    int count_ = 0;
    unsigned long long samples_ = 0;  // every sample since the last clear, for the grid's phase
    std::vector<QPointF> line_;      // reused for each poly-line
};
