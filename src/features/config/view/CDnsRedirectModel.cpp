#include "features/config/view/CDnsRedirectModel.h"
#include "controls/MoxTr.h"
#include "shell/MoxText.h"

namespace {

std::string RedirectCellText(const DnsRedirectRow& row, int column)
{
    const DnsRedirectEntry& entry = row.entry;
    switch (column) {
    case CDnsRedirectModel::eNumber:
        return std::to_string(row.number);
    case CDnsRedirectModel::eKind:
        return entry.IsSystem ? MoxText::Noop("默认") : MoxText::Noop("自定义");
    case CDnsRedirectModel::eState:
        return entry.Enable == 1 ? MoxText::Noop("允许劫持") : MoxText::Noop("拒绝劫持");
    case CDnsRedirectModel::eName:
        return entry.Name;
    case CDnsRedirectModel::eIp:
        return entry.IsSystem && entry.IP.empty() ? "Default" : entry.IP;
    case CDnsRedirectModel::eCount:
        return std::to_string(entry.THC);
    default:
        return entry.Note;
    }
}

}  // namespace

CDnsRedirectModel::CDnsRedirectModel(QObject* parent)
    : CRuleListModel<DnsRedirectRow>({{MoxTr::tr("序号"), 50},
                                      {MoxTr::tr("类型"), 60},
                                      {MoxTr::tr("状态"), 80},
                                      {MoxTr::tr("域名"), 200},
                                      {QStringLiteral("IP"), 120},
                                      {MoxTr::tr("解析量"), 70},
                                      {MoxTr::tr("备注"), 160}},
                                     RedirectCellText, parent)
{
}

QVariant CDnsRedirectModel::data(const QModelIndex& index, int role) const
{
    if (index.isValid() && index.column() == eCount) {
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        if (role == Qt::ToolTipRole)
            return MoxTr::tr("域名解析量统计");
    }
    return CRuleListModel<DnsRedirectRow>::data(index, role);
}

void CDnsRedirectModel::Renumber()
{
    Edit(0, rowCount() - 1, [](DnsRedirectRow& row, int index) { row.number = index + 1; });
}

std::vector<DnsRedirectEntry> CDnsRedirectModel::CustomEntries() const
{
    std::vector<DnsRedirectEntry> custom;
    for (int row = 0; row < rowCount(); ++row)
        if (!At(row).entry.IsSystem)
            custom.push_back(At(row).entry);
    return custom;
}
