#include "ChangeReadBack.h"

#include "CtlExitCode.h"
#include "CtlSession.h"
#include "ResultPrinters.h"
#include "messaging/EventKinds.h"

#include <algorithm>
#include <iostream>

namespace {

std::string Described(const FieldPairs& pairs)
{
    std::string text;
    for (const auto& [name, value] : pairs)
        text += (text.empty() ? "" : " ") + name + "=" + value;
    return text;
}

// The given fields of a change that its list shows, the identifier left out.
FieldPairs ChangedFields(const CtlRequest& request, const RecordKeys& keys)
{
    FieldPairs fields;
    for (const auto& [name, value] : request.given.Fields())
        if (name != keys.idField)
            fields.emplace_back(name, value);
    return fields;
}

FieldPairs NaturalKeyOf(const nsMoxHttp::RequestValues& values, const RecordKeys& keys)
{
    FieldPairs key;
    for (const std::string_view name : keys.naturalKey)
        if (values.Has(name))
            key.emplace_back(std::string(name), values.Text(name));
    return key;
}

bool HasAll(const nsMoxHttp::RequestValues& record, const FieldPairs& fields)
{
    return std::all_of(fields.begin(), fields.end(), [&record](const auto& field) {
        return !record.Has(field.first) || record.Text(field.first) == field.second;
    });
}

}  // namespace

std::variant<ResultDocument, int> ReadRecordList(CtlSession& session, const RecordKeys& keys)
{
    const CtlRequest list{nsMoxHttp::FindCatalogueRow(keys.type, keys.listCmd), {}, {}};
    const std::uint64_t start = session.Events().Mark();
    const auto listed = session.Exchange(list, CtlSession::Texts::Keep);
    if (!listed)
        return int(eCtlExit_ExchangeFailed);
    if (listed->Status() != eMoxEventStatus_Ok) {
        session.PrintStatusTexts(start);
        return listed->Status();
    }
    std::optional<ResultDocument> document = DescribeResult(listed->kind, listed->record.get());
    if (!document)
        return int(eCtlExit_MalformedReply);
    return std::move(*document);
}

int ResolveNaturalKey(CtlSession& session, CtlRequest& request, const RecordKeys& keys, const FieldPairs& match)
{
    auto list = ReadRecordList(session, keys);
    if (const int* status = std::get_if<int>(&list))
        return *status;
    const std::vector<nsMoxHttp::RequestValues> found = MatchingRecords(std::get<ResultDocument>(list), match);
    if (found.size() != 1) {
        std::cerr << "morvixctl: " << keys.type << " " << keys.listCmd << " has "
                  << (found.empty() ? "no record" : std::to_string(found.size()) + " records") << " with "
                  << Described(match) << "; nothing changed\n";
        return eCtlExit_Refused;
    }
    const std::string id = found.front().Text(keys.idColumn);
    request.given.Set(keys.idField, id);
    request.values.Set(keys.idField, id);
    return eCtlExit_Accepted;
}

ReadBack ReadBackChange(CtlSession& session, const CtlRequest& request, const FieldPairs& match)
{
    const RecordKeys* keys = RecordKeysFor(request.row->type, request.row->cmd);
    const std::string_view cmd = request.row->cmd;
    if (!keys || (cmd != keys->addCmd && cmd != keys->modifyCmd && cmd != keys->delCmd))
        return ReadBack::Unknown;
    auto list = ReadRecordList(session, *keys);
    if (!std::holds_alternative<ResultDocument>(list))
        return ReadBack::Unknown;
    const ResultDocument& document = std::get<ResultDocument>(list);
    const std::string id = request.given.Text(keys->idField);
    const FieldPairs named =
        id.empty() ? match : FieldPairs{{std::string(keys->idColumn), id}};
    if (cmd == keys->addCmd) {
        const FieldPairs key = NaturalKeyOf(request.given, *keys);
        if (key.empty())
            return ReadBack::Unknown;
        return MatchingRecords(document, key).empty() ? ReadBack::NotApplied : ReadBack::Applied;
    }
    if (named.empty())
        return ReadBack::Unknown;
    if (cmd == keys->delCmd)
        return MatchingRecords(document, named).empty() ? ReadBack::Applied : ReadBack::NotApplied;
    // A change of the natural key itself moves the record away from the key it was named by.
    std::vector<nsMoxHttp::RequestValues> records = MatchingRecords(document, named);
    if (records.empty() && !NaturalKeyOf(request.given, *keys).empty())
        records = MatchingRecords(document, NaturalKeyOf(request.given, *keys));
    if (records.size() != 1)
        return ReadBack::Unknown;
    return HasAll(records.front(), ChangedFields(request, *keys)) ? ReadBack::Applied : ReadBack::NotApplied;
}
