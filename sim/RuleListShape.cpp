#include "RuleListShape.h"

namespace morvix::sim {

FieldShape FieldShape::text(std::string key, size_t maxCharacters, bool nonEmpty)
{
    FieldShape shape;
    shape.key = std::move(key);
    shape.maxCharacters = maxCharacters;
    shape.nonEmpty = nonEmpty;
    return shape;
}

FieldShape FieldShape::note(std::string key, size_t maxCharacters)
{
    FieldShape shape = text(std::move(key), maxCharacters);
    shape.percentEncodedInReply = true;
    return shape;
}

FieldShape FieldShape::number(std::string key, long long min, long long max)
{
    FieldShape shape;
    shape.key = std::move(key);
    shape.kind = Number;
    shape.min = min;
    shape.max = max;
    return shape;
}

FieldShape FieldShape::flag(std::string key)
{
    return number(std::move(key), 0, 1);
}

FieldShape FieldShape::address(std::string key)
{
    FieldShape shape;
    shape.key = std::move(key);
    shape.kind = Ipv4Address;
    return shape;
}

FieldShape FieldShape::dateTime(std::string key)
{
    FieldShape shape;
    shape.key = std::move(key);
    shape.kind = DateTime;
    return shape;
}

FieldShape& FieldShape::withDefault(std::string value)
{
    optional = true;
    defaultValue = std::move(value);
    return *this;
}

}  // namespace morvix::sim
