#include "features/monitor/view/CInstantRequestModel.h"
#include "controls/MoxTr.h"

namespace {

// The longest prefix of at most `bytes` bytes that does not end inside a UTF-8 character.
std::string_view CutWhole(std::string_view text, std::size_t bytes)
{
    if (text.size() <= bytes)
        return text;
    std::size_t end = bytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return text.substr(0, end);
}

}  // namespace

CInstantRequestModel::CInstantRequestModel(int numberWidth, int contentWidth, QObject* parent)
    : CRuleListModelBase({{MoxTr::tr("序号"), numberWidth}, {MoxTr::tr("内容"), contentWidth}}, parent)
{
}

int CInstantRequestModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.Size());
}

QVariant CInstantRequestModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    if (index.column() == 0)
        return QString::number(row + 1);
    const std::string_view shown = CutWhole(rows_.Line(row), kShownLineBytes);
    return QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size()));
}

std::size_t CInstantRequestModel::AppendText(std::string_view text)
{
    bool reset = false;
    const InstantRequestRows::Appended appended = rows_.Append(text, [&](const InstantRequestRows::Appended& coming) {
        if (coming.emptied) {
            reset = true;
            beginResetModel();
            return;
        }
        const int first = static_cast<int>(coming.firstRow);
        beginInsertRows(QModelIndex(), first, first + static_cast<int>(coming.count) - 1);
    });
    if (reset)
        endResetModel();
    else if (appended.count > 0)
        endInsertRows();
    return appended.count;
}

void CInstantRequestModel::Clear()
{
    beginResetModel();
    rows_.Clear();
    endResetModel();
}

QString CInstantRequestModel::FullText(int row) const
{
    if (row < 0 || row >= rowCount())
        return {};
    const std::string_view line = rows_.Line(static_cast<std::size_t>(row));
    return QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
}
