#include "Fault.h"

#include <stdexcept>
#include <utility>

namespace morvix::sim {

namespace {

const std::pair<const char*, Fault::Kind> kindNames[] = {
    {"delay", Fault::Kind::Delay},
    {"close", Fault::Kind::Close},
    {"reset", Fault::Kind::Reset},
    {"http-500", Fault::Kind::Http500},
    {"not-json", Fault::Kind::NotJson},
    {"boolean-return", Fault::Kind::BooleanReturn},
    {"no-errorno", Fault::Kind::NoErrorNo},
    {"busy", Fault::Kind::Busy},
    {"expire-sessions", Fault::Kind::ExpireSessions},
    {"cut-stream", Fault::Kind::CutStream},
};

std::optional<std::string> optionalText(const Json::Value& description, const char* key)
{
    if (!description.isMember(key))
        return std::nullopt;
    if (!description[key].isString())
        throw std::invalid_argument(std::string("\"") + key + "\" must be a string");
    return description[key].asString();
}

long long requiredAmount(const Json::Value& description, const char* key)
{
    if (!description[key].isIntegral() || description[key].asInt64() < 0)
        throw std::invalid_argument(std::string("this fault needs a non-negative integer \"") + key + "\"");
    return description[key].asInt64();
}

}  // namespace

Fault Fault::fromJson(const Json::Value& description)
{
    if (!description.isObject() || !description["kind"].isString())
        throw std::invalid_argument("a fault is an object with a string \"kind\"");
    const std::string kindName = description["kind"].asString();
    std::optional<Kind> kind;
    for (const auto& [name, value] : kindNames) {
        if (kindName == name)
            kind = value;
    }
    if (!kind)
        throw std::invalid_argument("unknown fault kind \"" + kindName + "\"");

    Fault fault{*kind, optionalText(description, "type"), optionalText(description, "cmd"), std::nullopt, 0};
    if (description.isMember("count")) {
        if (!description["count"].isIntegral() || description["count"].asInt64() < 1)
            throw std::invalid_argument("\"count\" must be a positive integer");
        fault.remaining = description["count"].asInt64();
    }
    if (fault.kind == Kind::Delay)
        fault.amount = requiredAmount(description, "ms");
    if (fault.kind == Kind::CutStream)
        fault.amount = requiredAmount(description, "lines");
    return fault;
}

Json::Value Fault::toJson() const
{
    Json::Value description(Json::objectValue);
    for (const auto& [name, value] : kindNames) {
        if (value == kind)
            description["kind"] = name;
    }
    if (type)
        description["type"] = *type;
    if (cmd)
        description["cmd"] = *cmd;
    if (remaining)
        description["count"] = static_cast<Json::Int64>(*remaining);
    if (kind == Kind::Delay)
        description["ms"] = static_cast<Json::Int64>(amount);
    if (kind == Kind::CutStream)
        description["lines"] = static_cast<Json::Int64>(amount);
    return description;
}

bool Fault::appliesTo(const std::string& requestType, const std::string& requestCmd) const
{
    return (!type || *type == requestType) && (!cmd || *cmd == requestCmd);
}

bool Fault::shapesAnswer() const
{
    switch (kind) {
    case Kind::Delay:
    case Kind::ExpireSessions:
    case Kind::CutStream:
        return false;
    default:
        return true;
    }
}

}  // namespace morvix::sim
