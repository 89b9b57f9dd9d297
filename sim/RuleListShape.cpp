#include "RuleListSpec.h"

namespace morvix::sim {

FieldSpec FieldSpec::text(std::string key, size_t maxCharacters, bool nonEmpty)
{
    FieldSpec spec;
    spec.key = std::move(key);
    spec.maxCharacters = maxCharacters;
    spec.nonEmpty = nonEmpty;
    return spec;
}

FieldSpec FieldSpec::note(std::string key, size_t maxCharacters)
{
    FieldSpec spec = text(std::move(key), maxCharacters);
    spec.percentEncodedInReply = true;
    return spec;
}

FieldSpec FieldSpec::number(std::string key, long long min, long long max)
{
    FieldSpec spec;
    spec.key = std::move(key);
    spec.kind = Number;
    spec.min = min;
    spec.max = max;
    return spec;
}

FieldSpec FieldSpec::flag(std::string key)
{
    return number(std::move(key), 0, 1);
}

FieldSpec FieldSpec::address(std::string key)
{
    FieldSpec spec;
    spec.key = std::move(key);
    spec.kind = Ipv4Address;
    return spec;
}

FieldSpec FieldSpec::dateTime(std::string key)
{
    FieldSpec spec;
    spec.key = std::move(key);
    spec.kind = DateTime;
    return spec;
}

FieldSpec& FieldSpec::withDefault(std::string value)
{
    optional = true;
    defaultValue = std::move(value);
    return *this;
}

}  // namespace morvix::sim
