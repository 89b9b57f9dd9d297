#include "Reply.h"

#include "JsonText.h"

namespace morvix::sim {

Reply Reply::accepted()
{
    return Reply();
}

Reply Reply::refused(int errorNo)
{
    Reply reply;
    reply.accepted_ = false;
    reply.errorNo_ = errorNo;
    return reply;
}

Reply Reply::refusedWithoutNumber()
{
    Reply reply;
    reply.accepted_ = false;
    return reply;
}

Reply Reply::text(std::string body)
{
    Reply reply;
    reply.kind_ = Kind::Text;
    reply.text_ = std::move(body);
    return reply;
}

Reply Reply::stream(StreamFilter filter)
{
    Reply reply;
    reply.kind_ = Kind::Stream;
    reply.filter_ = std::move(filter);
    return reply;
}

Reply& Reply::set(std::string_view key, std::string value)
{
    fields_.set(key, std::move(value));
    return *this;
}

Reply& Reply::setList(std::string key, std::shared_ptr<const std::string> jsonArray)
{
    lists_.emplace_back(std::move(key), std::move(jsonArray));
    return *this;
}

std::string Reply::json(std::string_view requestId, bool returnAsBoolean) const
{
    size_t listBytes = 0;
    for (const auto& list : lists_)
        listBytes += list.second->size() + list.first.size() + 4;
    std::string out;
    out.reserve(128 + listBytes);
    out += "{\"RequestID\":";
    JsonText::appendString(out, requestId);
    out += ",\"Return\":";
    if (returnAsBoolean)
        out += accepted_ ? "true" : "false";
    else
        out += accepted_ ? "\"True\"" : "\"False\"";
    if (errorNo_) {
        out += ",\"ErrorNo\":";
        JsonText::appendString(out, std::to_string(*errorNo_));
    }
    for (const auto& [key, value] : fields_.fields()) {
        out += ',';
        JsonText::appendString(out, key);
        out += ':';
        JsonText::appendString(out, value);
    }
    for (const auto& [key, array] : lists_) {
        out += ',';
        JsonText::appendString(out, key);
        out += ':';
        out += *array;
    }
    out += '}';
    return out;
}

}  // namespace morvix::sim
