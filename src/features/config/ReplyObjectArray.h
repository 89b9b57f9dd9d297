#pragma once

#include "protocol/ReplyObjectReader.h"

#include <json/value.h>

#include <functional>
#include <string_view>

// Hands every element of the array under `key` of an accepted reply, in order, to readRecord.
// A missing key, or one that is not an array, is an empty list. Unlike the rule lists, these
// replies need not announce a count; when they do (NumOfLists), a count of 0 is an empty list.
// False means the reply is malformed: an element that is not an object, or one on which
// readRecord left its reader Malformed().
bool WalkReplyObjectArray(const Json::Value& root, std::string_view key,
                          const std::function<void(nsMoxHttp::ReplyObjectReader&)>& readRecord);
