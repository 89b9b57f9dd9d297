#include "RecordColumns.h"
#include "features/access/AddressListEntry.h"
#include "features/access/RewriteRule.h"

template <>
const std::vector<Column<RewriteRule>>& ColumnsOf<RewriteRule>()
{
    using R = RewriteRule;
    static const std::vector<Column<R>> columns = {
        Field("No", &R::No),       Field("RewriteID", &R::RewriteID), Field("SourceUrl", &R::SourceUrl),
        Field("DestinationUrl", &R::DestinationUrl), Field("Icase", &R::Icase), Field("Flag", &R::Flag),
        Field("Note", &R::Note),
    };
    return columns;
}

// The identifier is BlackID or WhiteID on the wire; one table shows both lists.
template <>
const std::vector<Column<AddressListEntry>>& ColumnsOf<AddressListEntry>()
{
    using R = AddressListEntry;
    static const std::vector<Column<R>> columns = {
        Field("No", &R::No),   Field("ID", &R::Id),         Field("Low", &R::Low),
        Field("High", &R::High), Field("Expire", &R::Expire), Field("Note", &R::Note),
    };
    return columns;
}
