#include "RequestFieldList.h"

#include "CtlRequest.h"
#include "CurrentRecord.h"
#include "protocol/RequestCatalogue.h"
#include "protocol/RequestKinds.h"
#include "shell/RequestStartValues.h"

namespace {

constexpr std::string_view kRequired = "(required)";
constexpr std::string_view kCurrent = "(the record's current value)";
constexpr std::string_view kNotSent = "(not sent)";

}  // namespace

std::optional<ResultDocument> RequestFieldList(std::string_view type, std::string_view cmd)
{
    const std::span<const nsMoxHttp::CatalogueRow> forms = nsMoxHttp::FindCatalogueForms(type, cmd);
    if (forms.empty() || type == "sign")
        return std::nullopt;
    // Settings requests send only the options named; the rest keep the server's values.
    const bool settings = forms.front().kind == eReq_SystemModify || forms.front().kind == eReq_DnsSystemSet;
    const std::optional<nsMoxHttp::RequestValues> start = RequestStartValues(type, cmd);
    const CurrentRecordSource* current = CurrentRecordSourceFor(type, cmd);

    ResultDocument document;
    ResultTable& table = document.tables.emplace_back(ResultTable{"", {"Field", "WhenLeftOut"}, {}});
    for (const std::string& name : CtlRequestFieldNames(forms)) {
        std::string value(kRequired);
        if (settings)
            value = kNotSent;
        else if (current && name != current->keyField)
            value = kCurrent;
        else if (const std::string* started = start ? start->Find(name) : nullptr)
            value = *started;
        table.rows.push_back({name, value});
    }
    return document;
}
