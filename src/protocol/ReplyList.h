#pragma once

#include "protocol/ReplyObjectReader.h"

#include <json/value.h>

#include <cstdint>
#include <functional>
#include <string_view>

namespace nsMoxHttp {

// The record count a list reply announces: NumOfLists when it is a string, else 0. It only
// decides whether Lists is read; the records are what Lists holds.
std::int64_t ReplyListCount(const Json::Value& root);

// Hands every element of an accepted list reply's Lists, in order, to readRecord. A count of 0,
// or Lists missing or not an array, is an empty list. False means the reply is malformed: an
// element that is not an object, or one on which readRecord left its reader Malformed();
// elements after it are not visited.
bool WalkReplyList(const Json::Value& root, const std::function<void(ReplyObjectReader&)>& readRecord);

// The same walk over the array under any key of the reply; missing or not an array is empty.
bool WalkReplyArray(const Json::Value& root, std::string_view key,
                    const std::function<void(ReplyObjectReader&)>& readRecord);

}  // namespace nsMoxHttp
