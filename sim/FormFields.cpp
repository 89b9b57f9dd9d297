#include "FormFields.h"

#include "AdminError.h"
#include "PercentCodec.h"
#include "Utf8.h"

namespace morvix::sim {

namespace {

std::string decodeOrRefuse(std::string_view text)
{
    auto decoded = formDecode(text);
    if (!decoded)
        throw AdminError(BadField, "malformed percent escape");
    return validUtf8(*decoded);
}

}  // namespace

bool parseDecimal(std::string_view text, long long& value)
{
    size_t at = 0;
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        at = 1;
    }
    const size_t digits = text.size() - at;
    if (digits == 0 || digits > 18)
        return false;
    long long result = 0;
    for (; at < text.size(); ++at) {
        if (text[at] < '0' || text[at] > '9')
            return false;
        result = result * 10 + (text[at] - '0');
    }
    value = negative ? -result : result;
    return true;
}

FormFields FormFields::parse(std::string_view body)
{
    FormFields fields;
    size_t start = 0;
    while (start <= body.size()) {
        size_t end = body.find('&', start);
        if (end == std::string_view::npos)
            end = body.size();
        const std::string_view pair = body.substr(start, end - start);
        if (!pair.empty()) {
            const size_t equals = pair.find('=');
            if (equals == std::string_view::npos)
                fields.pairs_.emplace_back(decodeOrRefuse(pair), std::string());
            else
                fields.pairs_.emplace_back(decodeOrRefuse(pair.substr(0, equals)),
                                           decodeOrRefuse(pair.substr(equals + 1)));
        }
        start = end + 1;
    }
    return fields;
}

bool FormFields::has(std::string_view name) const
{
    return find(name) != nullptr;
}

const std::string* FormFields::find(std::string_view name) const
{
    for (auto it = pairs_.rbegin(); it != pairs_.rend(); ++it) {
        if (it->first == name)
            return &it->second;
    }
    return nullptr;
}

const std::string& FormFields::text(std::string_view name) const
{
    const std::string* value = find(name);
    if (!value)
        throw AdminError(BadField, "missing field " + std::string(name));
    return *value;
}

std::string FormFields::text(std::string_view name, size_t maxCharacters, bool nonEmpty) const
{
    const std::string& value = text(name);
    if (nonEmpty && value.empty())
        throw AdminError(BadField, "empty field " + std::string(name));
    if (utf8Length(value) > maxCharacters)
        throw AdminError(BadField, "field too long: " + std::string(name));
    return value;
}

std::string FormFields::textOr(std::string_view name, std::string fallback) const
{
    const std::string* value = find(name);
    return value ? *value : std::move(fallback);
}

long long FormFields::number(std::string_view name, long long min, long long max) const
{
    long long value = 0;
    if (!parseDecimal(text(name), value) || value < min || value > max)
        throw AdminError(BadField, "bad number in field " + std::string(name));
    return value;
}

int FormFields::flag(std::string_view name) const
{
    return static_cast<int>(number(name, 0, 1));
}

}  // namespace morvix::sim
