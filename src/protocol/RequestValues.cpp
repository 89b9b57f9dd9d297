#include "protocol/RequestValues.h"

#include "shell/LeadingDecimal.h"

namespace nsMoxHttp {

RequestValues& RequestValues::Set(std::string_view name, std::string value)
{
    for (Pair& field : fields_) {
        if (field.first == name) {
            field.second = std::move(value);
            return *this;
        }
    }
    fields_.emplace_back(std::string(name), std::move(value));
    return *this;
}

RequestValues& RequestValues::Set(std::string_view name, long long value)
{
    return Set(name, std::to_string(value));
}

RequestValues& RequestValues::AddExtraPair(std::string name, std::string value)
{
    extraPairs_.emplace_back(std::move(name), std::move(value));
    return *this;
}

const std::string* RequestValues::Find(std::string_view name) const
{
    for (const Pair& field : fields_)
        if (field.first == name)
            return &field.second;
    return nullptr;
}

std::string RequestValues::Text(std::string_view name) const
{
    const std::string* value = Find(name);
    return value ? *value : std::string();
}

int RequestValues::Number(std::string_view name, int fallback) const
{
    const std::string* value = Find(name);
    return value ? LeadingDecimalInt(*value) : fallback;
}

}  // namespace nsMoxHttp
