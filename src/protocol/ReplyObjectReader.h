#pragma once

#include <json/value.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace nsMoxHttp {

// Reads the keys of one reply object (the reply itself or one element of its Lists) the way
// every callback must: all values are JSON strings; a required key that is missing or not a
// string marks the whole reply malformed, an optional one falls back to its default. Reading
// goes on after a failure, so a callback checks Malformed() once after its last key.
class ReplyObjectReader {
public:
    explicit ReplyObjectReader(const Json::Value& object);

    // Exactly the bytes received: identifiers go back to the server as they came.
    std::optional<std::string> FindString(std::string_view key) const;
    std::string RequiredString(std::string_view key);
    std::string OptionalString(std::string_view key, std::string_view fallback);

    // The leading-digits rule: text without digits gives 0.
    std::int64_t RequiredNumber(std::string_view key);
    std::int64_t OptionalNumber(std::string_view key, std::int64_t fallback);

    // Text the server sends percent-encoded (notes): decoded, and made valid UTF-8.
    std::string RequiredDecodedText(std::string_view key);
    std::string OptionalDecodedText(std::string_view key, std::string_view fallback);

    bool Malformed() const { return malformed_; }

private:
    const Json::Value* StringValue(std::string_view key) const;
    const Json::Value* Required(std::string_view key);

    const Json::Value& object_;
    bool malformed_ = false;
};

}  // namespace nsMoxHttp
