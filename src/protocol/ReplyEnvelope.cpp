#include "protocol/ReplyEnvelope.h"

#include "protocol/ReplyObjectReader.h"
#include "shell/LeadingDecimal.h"

#include <json/reader.h>

#include <memory>

namespace nsMoxHttp {

namespace {

// Trailing bytes after the object mean a damaged or foreign reply, not a valid one. The reader
// throws on nesting beyond its depth limit; a hostile reply must not end the process.
bool ParseObject(std::string_view reply, Json::Value& root)
{
    if (reply.empty())
        return false;
    Json::CharReaderBuilder builder;
    builder["failIfExtra"] = true;
    const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    std::string errors;
    try {
        return reader->parse(reply.data(), reply.data() + reply.size(), &root, &errors) && root.isObject();
    } catch (const Json::Exception&) {
        return false;
    }
}

}  // namespace

ReplyEnvelope JudgeReply(bool exchangeFailed, std::string_view reply)
{
    ReplyEnvelope envelope;
    if (exchangeFailed) {
        envelope.status = ReplyExchangeFailed;
        return envelope;
    }

    Json::Value root;
    if (!ParseObject(reply, root))
        return envelope;
    envelope.root = std::move(root);

    const ReplyObjectReader reader(envelope.root);
    envelope.requestId = reader.FindString("RequestID");
    const std::optional<std::string> result = reader.FindString("Return");
    if (!result)
        return envelope;
    if (*result == "True") {
        envelope.status = ReplyAccepted;
        return envelope;
    }
    std::optional<std::string> errorNo = reader.FindString("ErrorNo");
    if (!errorNo)
        return envelope;
    envelope.errorNoText = std::move(*errorNo);
    envelope.errorNo = LeadingDecimalInt(envelope.errorNoText);
    envelope.status = ReplyRefused;
    return envelope;
}

}  // namespace nsMoxHttp
