#include "StateJson.h"

#include "Record.h"

namespace morvix::sim {

const Json::Value& requireMember(const Json::Value& object, const char* key, Json::ValueType type)
{
    if (!object.isObject())
        throw StateFormatError(std::string("expected an object holding \"") + key + "\"");
    const Json::Value* member = object.find(key, key + std::char_traits<char>::length(key));
    if (!member)
        throw StateFormatError(std::string("missing \"") + key + "\"");
    const bool fits = member->type() == type || (type == Json::intValue && member->isIntegral());
    if (!fits)
        throw StateFormatError(std::string("\"") + key + "\" has the wrong type");
    return *member;
}

std::string requireText(const Json::Value& object, const char* key)
{
    return requireMember(object, key, Json::stringValue).asString();
}

long long requireNumber(const Json::Value& object, const char* key)
{
    return requireMember(object, key, Json::intValue).asInt64();
}

Json::Value recordToJson(const Record& record)
{
    Json::Value object(Json::objectValue);
    for (const auto& [key, value] : record.fields())
        object[key] = value;
    return object;
}

}  // namespace morvix::sim
