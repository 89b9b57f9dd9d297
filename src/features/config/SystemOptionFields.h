#pragma once

#include "features/config/SystemOptions.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// One option of the server's set: the key the list reply uses, the key the modify request writes
// (four differ in spelling on the server's side), and the value a list reply without the key leaves.
struct SystemOptionField {
    std::string_view replyKey;
    std::string_view modifyKey;
    std::int32_t SystemOptions::*value;
    std::optional<std::int32_t> defaultWhenMissing;
};

// The memory figures the server reports but never takes back.
struct SystemReadOnlyField {
    std::string_view replyKey;
    std::int64_t SystemOptions::*value;
};

std::span<const SystemOptionField> SystemOptionFields();
std::span<const SystemReadOnlyField> SystemReadOnlyFields();

const SystemOptionField* FindSystemOptionByModifyKey(std::string_view modifyKey);
