#include "features/config/ReplyObjectArray.h"

#include "protocol/ReplyList.h"

using nsMoxHttp::ReplyObjectReader;

bool WalkReplyObjectArray(const Json::Value& root, std::string_view key,
                          const std::function<void(ReplyObjectReader&)>& readRecord)
{
    if (ReplyObjectReader(root).FindString("NumOfLists") && nsMoxHttp::ReplyListCount(root) == 0)
        return true;
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
