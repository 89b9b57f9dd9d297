#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <vector>

class QTableView;

// The column heads of a rule list and everything that does not depend on the record type.
class CRuleListModelBase : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Column {
        QString title;
        int width;
        Qt::Alignment alignment = {};  // none: the view's own
    };

    explicit CRuleListModelBase(std::vector<Column> columns, QObject* parent = nullptr);

    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The widths the list starts with; the last column takes what is left.
    void ApplyColumnWidths(QTableView* view) const;

protected:
    // The column's alignment for Qt::TextAlignmentRole, or nothing when it has none of its own.
    QVariant Alignment(int column) const;

    std::vector<Column> columns_;
};
