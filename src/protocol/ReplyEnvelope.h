#pragma once

#include <json/value.h>

#include <optional>
#include <string>
#include <string_view>

namespace nsMoxHttp {

// param1 of every completion event of a request.
enum ReplyStatus : int {
    ReplyAccepted = 0,
    ReplyRefused = 1,
    ReplyExchangeFailed = 2,
    ReplyMalformed = 3,
};

// What every reply callback learns from the envelope before it reads its own keys.
struct ReplyEnvelope {
    ReplyStatus status = ReplyMalformed;
    Json::Value root;         // the parsed reply object when it was one
    std::string errorNoText;  // ErrorNo of a refused reply, as received
    int errorNo = 0;          // its leading decimal digits; 0 when there are none
    std::optional<std::string> requestId;
};

// The one judgement of every reply: a failed exchange; a reply that is not a JSON object, or whose
// Return is missing or not a string, is malformed; Return exactly "True" accepts; any other Return
// refuses, provided ErrorNo is a string (otherwise malformed). Keys the feature needs on top are
// the caller's to read, and a missing one still turns an accepted reply into a malformed one.
ReplyEnvelope JudgeReply(bool exchangeFailed, std::string_view reply);

}  // namespace nsMoxHttp
