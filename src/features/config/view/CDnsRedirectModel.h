#pragma once

#include "controls/CRuleListModel.h"
#include "features/config/DnsRedirectEntry.h"

// One row of the redirect list: the entry and its row number.
struct DnsRedirectRow {
    int number = 0;
    DnsRedirectEntry entry;
};

// The redirect list: built-in and custom entries, the resolution count right-aligned with its
// explanation on hover.
class CDnsRedirectModel : public CRuleListModel<DnsRedirectRow> {
public:
    enum Column { eNumber, eKind, eState, eName, eIp, eCount, eNote };

    explicit CDnsRedirectModel(QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Numbers every row again from 1, after rows came or went.
    void Renumber();
    std::vector<DnsRedirectEntry> CustomEntries() const;
};
