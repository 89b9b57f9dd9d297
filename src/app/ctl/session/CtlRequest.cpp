#include "CtlRequest.h"

#include "RecordColumns.h"
#include "features/config/DnsSystemOptions.h"
#include "features/config/SystemOptionFields.h"
#include "features/config/SystemRequests.h"
#include "protocol/RequestBody.h"
#include "protocol/RequestKinds.h"
#include "shell/RequestStartValues.h"

#include <algorithm>
#include <charconv>
#include <climits>

namespace {

using nsMoxHttp::CatalogueRow;
using nsMoxHttp::RequestValues;

template <class Names>
std::string Joined(const Names& names)
{
    std::string text;
    for (const auto& name : names) {
        if (!text.empty())
            text += ", ";
        text += name;
    }
    return text;
}

bool Contains(const std::vector<std::string>& names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool IsInteger(std::string_view text)
{
    long long number = 0;
    const char* end = text.data() + text.size();
    const auto parsed = std::from_chars(text.data(), end, number);
    return parsed.ec == std::errc() && parsed.ptr == end && number >= INT_MIN && number <= INT_MAX;
}

struct Pair {
    std::string name;
    std::string value;
};

std::variant<std::vector<Pair>, CtlUsageError> SplitPairs(const std::vector<std::string>& words)
{
    std::vector<Pair> pairs;
    for (const std::string& word : words) {
        const std::size_t equals = word.find('=');
        if (equals == std::string::npos || equals == 0)
            return CtlUsageError{"expected Field=value, got \"" + word + "\""};
        pairs.push_back({word.substr(0, equals), word.substr(equals + 1)});
    }
    return pairs;
}

// "system modify": the options to change go after the fixed head; Kind rides with the event.
std::variant<CtlRequest, CtlUsageError> SystemModify(const CatalogueRow& row, const std::vector<Pair>& pairs)
{
    CtlRequest request{&row, {}, {}};
    for (const Pair& pair : pairs) {
        if (pair.name == kSystemModifyKindField) {
            if (!IsInteger(pair.value))
                return CtlUsageError{"Kind must be a number, got \"" + pair.value + "\""};
            request.values.Set(kSystemModifyKindField, pair.value);
        } else if (FindSystemOptionByModifyKey(pair.name)) {
            request.values.AddExtraPair(pair.name, pair.value);
        } else {
            return CtlUsageError{"unknown option \"" + pair.name + "\" for system modify; valid: " +
                                 Joined(CtlRequestFieldNames(std::span(&row, 1)))};
        }
    }
    if (request.values.ExtraPairs().empty())
        return CtlUsageError{"system modify needs at least one Option=value to change"};
    return request;
}

// "dns system-set": the settings to change follow its fixed pairs.
std::variant<CtlRequest, CtlUsageError> DnsSystemSet(const CatalogueRow& row, const std::vector<Pair>& pairs)
{
    CtlRequest request{&row, {}, {}};
    for (const Pair& pair : pairs) {
        DnsSystemOptions scratch;
        if (!SetDnsSystemOption(scratch, pair.name, pair.value))
            return CtlUsageError{"unknown setting \"" + pair.name + "\" for dns system-set; valid: " +
                                 Joined(CtlRequestFieldNames(std::span(&row, 1)))};
        request.values.AddExtraPair(pair.name, pair.value);
    }
    if (request.values.ExtraPairs().empty())
        return CtlUsageError{"dns system-set needs at least one Setting=value to change"};
    return request;
}

std::variant<CtlRequest, CtlUsageError> Fielded(std::span<const CatalogueRow> forms, const std::vector<Pair>& pairs)
{
    const std::vector<std::string> valid = CtlRequestFieldNames(forms);
    const CatalogueRow& first = forms.front();
    const std::string request = std::string(first.type) + " " + std::string(first.cmd);

    RequestValues given;
    for (const Pair& pair : pairs) {
        if (!Contains(valid, pair.name))
            return CtlUsageError{"unknown field \"" + pair.name + "\" for " + request + "; valid: " +
                                 (valid.empty() ? std::string("none") : Joined(valid))};
        given.Set(pair.name, pair.value);
    }

    RequestValues values = RequestStartValues(first.type, first.cmd, given).value_or(RequestValues());
    for (const auto& [name, value] : given.Fields())
        values.Set(name, value);
    const CatalogueRow* form = nsMoxHttp::ChooseForm(forms, values);

    const std::vector<std::string> formFields = nsMoxHttp::CallerFieldNames(*form);
    for (const auto& [name, value] : given.Fields())
        if (!Contains(formFields, name))
            return CtlUsageError{name + " is not sent by this form of " + request + "; its fields: " +
                                 Joined(formFields)};
    std::vector<std::string> missing;
    for (const nsMoxHttp::TemplateField& field : nsMoxHttp::TemplateFields(form->bodyTemplate)) {
        if (field.name == "SessionID" || field.name == "RequestID")
            continue;
        const std::string* value = values.Find(field.name);
        if (!value)
            missing.emplace_back(field.name);
        else if (field.conversion == 'd' && !IsInteger(*value))
            return CtlUsageError{std::string(field.name) + " must be a number, got \"" + *value + "\""};
    }
    if (!missing.empty())
        return CtlUsageError{request + " needs " + Joined(missing)};
    return CtlRequest{form, std::move(values), std::move(given)};
}

}  // namespace

std::vector<std::string> CatalogueTypes()
{
    std::vector<std::string> types;
    for (const CatalogueRow& row : nsMoxHttp::RequestCatalogue())
        if (row.type != "sign" && !Contains(types, row.type))
            types.emplace_back(row.type);
    return types;
}

std::vector<std::string> CatalogueCommands(std::string_view type)
{
    std::vector<std::string> commands;
    for (const CatalogueRow& row : nsMoxHttp::RequestCatalogue())
        if (row.type == type && !Contains(commands, row.cmd))
            commands.emplace_back(row.cmd);
    return commands;
}

std::vector<std::string> CtlRequestFieldNames(std::span<const CatalogueRow> forms)
{
    std::vector<std::string> names;
    if (forms.front().kind == eReq_SystemModify) {
        for (const SystemOptionField& field : SystemOptionFields())
            names.emplace_back(field.modifyKey);
        names.emplace_back(kSystemModifyKindField);
    } else if (forms.front().kind == eReq_DnsSystemSet) {
        for (const auto& column : ColumnsOf<DnsSystemOptions>())
            names.emplace_back(column.name);
    } else {
        for (const CatalogueRow& form : forms)
            for (std::string& name : nsMoxHttp::CallerFieldNames(form))
                if (!Contains(names, name))
                    names.push_back(std::move(name));
    }
    return names;
}

std::variant<CtlRequest, CtlUsageError> BuildCtlRequest(std::string_view type, std::string_view cmd,
                                                        const std::vector<std::string>& words)
{
    const std::span<const CatalogueRow> forms = nsMoxHttp::FindCatalogueForms(type, cmd);
    if (forms.empty() || type == "sign") {
        const std::vector<std::string> commands = CatalogueCommands(type);
        if (commands.empty() || type == "sign")
            return CtlUsageError{"unknown TYPE \"" + std::string(type) + "\"; valid: " + Joined(CatalogueTypes()) +
                                 ", watch, hosts"};
        return CtlUsageError{"unknown CMD \"" + std::string(cmd) + "\" for " + std::string(type) +
                             "; valid: " + Joined(commands)};
    }
    auto split = SplitPairs(words);
    if (auto* error = std::get_if<CtlUsageError>(&split))
        return *error;
    const std::vector<Pair>& pairs = std::get<std::vector<Pair>>(split);

    const CatalogueRow& row = forms.front();
    if (row.kind == eReq_SystemModify)
        return SystemModify(row, pairs);
    if (row.kind == eReq_DnsSystemSet)
        return DnsSystemSet(row, pairs);
    return Fielded(forms, pairs);
}
