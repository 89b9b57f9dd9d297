#include "Fault.h"

#include <stdexcept>
#include <utility>

namespace morvix::sim {

namespace {

struct KindName {
    const char* name;
    Fault::Kind kind;
    const char* amountKey;  // the description's key of `amount`, for kinds that have one
};

const KindName kindNames[] = {
    {"delay", Fault::Kind::Delay, "ms"},
    {"late", Fault::Kind::Late, "ms"},
    {"close", Fault::Kind::Close, nullptr},
    {"reset", Fault::Kind::Reset, nullptr},
    {"http-500", Fault::Kind::Http500, nullptr},
    {"not-json", Fault::Kind::NotJson, nullptr},
    {"boolean-return", Fault::Kind::BooleanReturn, nullptr},
    {"no-errorno", Fault::Kind::NoErrorNo, nullptr},
    {"busy", Fault::Kind::Busy, nullptr},
    {"expire-sessions", Fault::Kind::ExpireSessions, nullptr},
    {"cut-stream", Fault::Kind::CutStream, "lines"},
    {"endless", Fault::Kind::Endless, nullptr},
    {"gzip-bomb", Fault::Kind::CompressedBomb, "bytes"},
    {"stall", Fault::Kind::Stall, "ms"},
    {"deep-nesting", Fault::Kind::DeepNesting, "depth"},
};

const KindName& nameOf(Fault::Kind kind)
{
    for (const KindName& entry : kindNames) {
        if (entry.kind == kind)
            return entry;
    }
    throw std::logic_error("a fault kind without a name");
}

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
    const KindName* named = nullptr;
    for (const KindName& entry : kindNames) {
        if (kindName == entry.name)
            named = &entry;
    }
    if (!named)
        throw std::invalid_argument("unknown fault kind \"" + kindName + "\"");

    Fault fault{named->kind, optionalText(description, "type"), optionalText(description, "cmd"), std::nullopt, 0};
    if (description.isMember("count")) {
        if (!description["count"].isIntegral() || description["count"].asInt64() < 1)
            throw std::invalid_argument("\"count\" must be a positive integer");
        fault.remaining = description["count"].asInt64();
    }
    if (named->amountKey)
        fault.amount = requiredAmount(description, named->amountKey);
    return fault;
}

Json::Value Fault::toJson() const
{
    Json::Value description(Json::objectValue);
    const KindName& named = nameOf(kind);
    description["kind"] = named.name;
    if (type)
        description["type"] = *type;
    if (cmd)
        description["cmd"] = *cmd;
    if (remaining)
        description["count"] = static_cast<Json::Int64>(*remaining);
    if (named.amountKey)
        description[named.amountKey] = static_cast<Json::Int64>(amount);
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
    case Kind::Late:
    case Kind::ExpireSessions:
    case Kind::CutStream:
        return false;
    default:
        return true;
    }
}

}  // namespace morvix::sim
