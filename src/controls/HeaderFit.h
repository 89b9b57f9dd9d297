#pragma once

#include <QHeaderView>
#include <QTableView>

#include <algorithm>

// A column's width: the one its list was drawn with, widened where its heading is longer (a
// translated heading), so that no heading is cut. The margin leaves room for the sort arrow.
inline int HeaderFitWidth(const QTableView* view, int column, int width)
{
    constexpr int kHeadingMargin = 24;
    const QString heading = view->model() ? view->model()->headerData(column, Qt::Horizontal).toString() : QString();
    return std::max(width, view->horizontalHeader()->fontMetrics().horizontalAdvance(heading) + kHeadingMargin);
}
