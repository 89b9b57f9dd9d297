#pragma once

#include "controls/CRuleListModelBase.h"
#include "features/monitor/InstantRequestRows.h"

#include <QString>

#include <string_view>

// The rows of a live request monitor for QTableView, in the manner of a packet list: text is
// appended in batches with one beginInsertRows each, held once in InstantRequestRows, and a
// cell's text is made only when it is painted.
class CInstantRequestModel : public CRuleListModelBase {
    Q_OBJECT
public:
    // A row longer than this is painted cut; its whole text is kept for the content window.
    static constexpr std::size_t kShownLineBytes = 20478;

    CInstantRequestModel(int numberWidth, int contentWidth, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Adds the whole lines of text as rows; returns how many were added.
    std::size_t AppendText(std::string_view text);
    void Clear();
    void DropUnfinished() { rows_.DropUnfinished(); }

    const InstantRequestRows& Rows() const { return rows_; }
    QString FullText(int row) const;

private:
    InstantRequestRows rows_;
};
