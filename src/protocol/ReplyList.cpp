#include "protocol/ReplyList.h"

#include <string_view>

namespace nsMoxHttp {

std::int64_t ReplyListCount(const Json::Value& root)
{
    return ReplyObjectReader(root).OptionalNumber("NumOfLists", 0);
}

bool WalkReplyList(const Json::Value& root, const std::function<void(ReplyObjectReader&)>& readRecord)
{
    if (ReplyListCount(root) == 0)
        return true;
    constexpr std::string_view kLists = "Lists";
    const Json::Value* lists = root.find(kLists.data(), kLists.data() + kLists.size());
    if (lists == nullptr || !lists->isArray())
        return true;
    for (const Json::Value& element : *lists) {
        if (!element.isObject())
            return false;
        ReplyObjectReader reader(element);
        readRecord(reader);
        if (reader.Malformed())
            return false;
    }
    return true;
}

}  // namespace nsMoxHttp
