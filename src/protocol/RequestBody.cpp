#include "protocol/RequestBody.h"

#include "protocol/PercentEncoding.h"
#include "protocol/ServerAddress.h"

#include <charconv>

namespace nsMoxHttp {
namespace {

constexpr std::string_view kSharedIdentifiers[] = {"SessionID", "Wid",     "RewriteID",  "BlackID",
                                                   "WhiteID",   "ProxyID", "UpstreamID"};

bool ListContains(std::string_view commaList, std::string_view name)
{
    while (!commaList.empty()) {
        const std::size_t comma = commaList.find(',');
        if (commaList.substr(0, comma) == name)
            return true;
        if (comma == std::string_view::npos)
            break;
        commaList.remove_prefix(comma + 1);
    }
    return false;
}

std::vector<std::string_view> SplitList(std::string_view commaList)
{
    std::vector<std::string_view> names;
    while (!commaList.empty()) {
        const std::size_t comma = commaList.find(',');
        names.push_back(commaList.substr(0, comma));
        if (comma == std::string_view::npos)
            break;
        commaList.remove_prefix(comma + 1);
    }
    return names;
}

bool IsIdentifier(const CatalogueRow& row, std::string_view name)
{
    for (std::string_view shared : kSharedIdentifiers)
        if (shared == name)
            return true;
    return ListContains(row.extraIdentifiers, name);
}

bool ToDecimal(std::string_view text, std::string& out)
{
    long long number = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, number);
    if (result.ec != std::errc() || result.ptr != end || number < INT32_MIN || number > INT32_MAX)
        return false;
    out = std::to_string(number);
    return true;
}

std::string EncodedValue(const CatalogueRow& row, std::string_view name, std::string_view value)
{
    return ListContains(row.asTypedFields, name) ? EncodeAsTyped(value) : PercentEncode(value);
}

std::string EncodedPair(const CatalogueRow& row, std::string_view name, std::string_view value)
{
    std::string pair(name);
    pair += '=';
    pair += EncodedValue(row, name, value);
    return pair;
}

// Walks a template: literal text, conversions, and for each conversion the pair name before it.
template <class OnLiteral, class OnConversion>
void WalkTemplate(std::string_view tpl, OnLiteral onLiteral, OnConversion onConversion)
{
    std::size_t pos = 0;
    while (pos < tpl.size()) {
        const std::size_t percent = tpl.find('%', pos);
        if (percent == std::string_view::npos) {
            onLiteral(tpl.substr(pos));
            return;
        }
        onLiteral(tpl.substr(pos, percent - pos));
        char conversion = tpl[percent + 1];
        std::size_t length = 2;
        if (conversion == 'l') {
            conversion = 'u';
            length = 3;
        }
        const std::size_t lastAmp = tpl.rfind('&', percent);
        const std::size_t pairStart = lastAmp == std::string_view::npos ? 0 : lastAmp + 1;
        std::string_view name;
        if (percent > 0 && tpl[percent - 1] == '=' && pairStart < percent)
            name = tpl.substr(pairStart, percent - 1 - pairStart);
        onConversion(name, conversion);
        pos = percent + length;
    }
}

}  // namespace

std::vector<TemplateField> TemplateFields(std::string_view bodyTemplate)
{
    std::vector<TemplateField> fields;
    WalkTemplate(bodyTemplate, [](std::string_view) {},
                 [&](std::string_view name, char conversion) {
                     if (!name.empty())
                         fields.push_back({name, conversion});
                 });
    return fields;
}

std::vector<std::string> CallerFieldNames(const CatalogueRow& row)
{
    std::vector<std::string> names;
    for (const TemplateField& field : TemplateFields(row.bodyTemplate))
        if (field.name != "SessionID" && field.name != "RequestID")
            names.emplace_back(field.name);
    for (std::string_view optional : SplitList(row.optionalPairs))
        names.emplace_back(optional);
    return names;
}

const CatalogueRow* ChooseForm(std::span<const CatalogueRow> forms, const RequestValues& values)
{
    const CatalogueRow* best = nullptr;
    std::size_t bestCount = 0;
    for (const CatalogueRow& form : forms) {
        const std::vector<std::string> names = CallerFieldNames(form);
        bool complete = true;
        for (const std::string& name : names)
            complete = complete && values.Has(name);
        if (complete && (!best || names.size() > bestCount)) {
            best = &form;
            bestCount = names.size();
        }
    }
    return best ? best : (forms.empty() ? nullptr : &forms.front());
}

FormattedBody FormatRequestBody(const CatalogueRow& row, const RequestValues& values, std::string_view sessionId,
                                unsigned long requestId)
{
    FormattedBody out;
    const std::vector<std::string_view> optionalPairs = SplitList(row.optionalPairs);
    std::size_t nextOptional = 0;

    WalkTemplate(row.bodyTemplate, [&](std::string_view literal) { out.body += literal; },
                 [&](std::string_view name, char conversion) {
                     if (!out.error.empty())
                         return;
                     if (conversion == 'u') {
                         out.body += std::to_string(requestId);
                         return;
                     }
                     if (name.empty()) {
                         // A tail: the next optional pair, or the caller's extra pairs.
                         if (nextOptional < optionalPairs.size()) {
                             const std::string_view optional = optionalPairs[nextOptional++];
                             if (const std::string* value = values.Find(optional))
                                 out.body += "&" + EncodedPair(row, optional, *value);
                             return;
                         }
                         const bool joined = !out.body.empty() && out.body.back() == '&';
                         bool first = true;
                         for (const auto& [key, value] : values.ExtraPairs()) {
                             if (!(joined && first))
                                 out.body += '&';
                             out.body += EncodedPair(row, key, value);
                             first = false;
                         }
                         return;
                     }
                     if (name == "SessionID") {
                         out.body += EncodeIdentifier(sessionId);
                         return;
                     }
                     const std::string* value = values.Find(name);
                     if (!value) {
                         out.error = "missing field " + std::string(name);
                         return;
                     }
                     if (conversion == 'd') {
                         std::string decimal;
                         if (!ToDecimal(*value, decimal)) {
                             out.error = "field " + std::string(name) + " is not a number: " + *value;
                             return;
                         }
                         out.body += decimal;
                     } else if (IsIdentifier(row, name)) {
                         out.body += EncodeIdentifier(*value);
                     } else {
                         out.body += EncodedValue(row, name, *value);
                     }
                 });
    if (!out.error.empty())
        out.body.clear();
    return out;
}

std::string RequestUrl(std::string_view host, const CatalogueRow& row)
{
    std::string url = ServerUrlBase(host);
    url.append("/morvix/webcache.mox?type=").append(row.type).append("&cmd=").append(row.cmd);
    return url;
}

}  // namespace nsMoxHttp
