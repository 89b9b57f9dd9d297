#include "protocol/ReplyObjectReader.h"

#include "protocol/PercentEncoding.h"
#include "shell/LeadingDecimal.h"
#include "shell/Utf8Text.h"

namespace nsMoxHttp {

namespace {
std::string DecodeText(std::string_view encoded)
{
    return Utf8Text::Sanitize(PercentDecode(encoded));
}
}  // namespace

ReplyObjectReader::ReplyObjectReader(const Json::Value& object) : object_(object)
{
    malformed_ = !object_.isObject();
}

const Json::Value* ReplyObjectReader::StringValue(std::string_view key) const
{
    if (!object_.isObject())
        return nullptr;
    const Json::Value* member = object_.find(key.data(), key.data() + key.size());
    return member != nullptr && member->isString() ? member : nullptr;
}

const Json::Value* ReplyObjectReader::Required(std::string_view key)
{
    const Json::Value* value = StringValue(key);
    if (value == nullptr)
        malformed_ = true;
    return value;
}

std::optional<std::string> ReplyObjectReader::FindString(std::string_view key) const
{
    const Json::Value* value = StringValue(key);
    return value != nullptr ? std::optional<std::string>(value->asString()) : std::nullopt;
}

std::string ReplyObjectReader::RequiredString(std::string_view key)
{
    const Json::Value* value = Required(key);
    return value != nullptr ? value->asString() : std::string();
}

std::string ReplyObjectReader::OptionalString(std::string_view key, std::string_view fallback)
{
    const Json::Value* value = StringValue(key);
    return value != nullptr ? value->asString() : std::string(fallback);
}

std::int64_t ReplyObjectReader::RequiredNumber(std::string_view key)
{
    const Json::Value* value = Required(key);
    return value != nullptr ? LeadingDecimal(value->asString()) : 0;
}

std::int64_t ReplyObjectReader::OptionalNumber(std::string_view key, std::int64_t fallback)
{
    const Json::Value* value = StringValue(key);
    return value != nullptr ? LeadingDecimal(value->asString()) : fallback;
}

std::string ReplyObjectReader::RequiredDecodedText(std::string_view key)
{
    const Json::Value* value = Required(key);
    return value != nullptr ? DecodeText(value->asString()) : std::string();
}

std::string ReplyObjectReader::OptionalDecodedText(std::string_view key, std::string_view fallback)
{
    const Json::Value* value = StringValue(key);
    return value != nullptr ? DecodeText(value->asString()) : std::string(fallback);
}

}  // namespace nsMoxHttp
