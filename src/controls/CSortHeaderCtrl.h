#pragma once

#include <QHeaderView>

// A list header drawn from the header skin: background, a separator after each column, and the
// sort arrow on the sorted column. Clicking a column sorts by it when the view allows sorting.
class CSortHeaderCtrl : public QHeaderView {
    Q_OBJECT
public:
    explicit CSortHeaderCtrl(Qt::Orientation orientation = Qt::Horizontal, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;
};
