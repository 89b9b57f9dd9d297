#include "protocol/ReplyList.h"

namespace nsMoxHttp {

std::int64_t ReplyListCount(const Json::Value& root)
{
    return ReplyObjectReader(root).OptionalNumber("NumOfLists", 0);
}

bool WalkReplyList(const Json::Value& root, const std::function<void(ReplyObjectReader&)>& readRecord)
{
    return ReplyListCount(root) == 0 || WalkReplyArray(root, "Lists", readRecord);
}

bool WalkReplyArray(const Json::Value& root, std::string_view key,
                    const std::function<void(ReplyObjectReader&)>& readRecord)
{
    const Json::Value* array = root.find(key.data(), key.data() + key.size());
    if (array == nullptr || !array->isArray())
        return true;
    for (const Json::Value& element : *array) {
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
