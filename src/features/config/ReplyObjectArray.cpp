#include "features/config/ReplyObjectArray.h"

#include "protocol/ReplyList.h"

using nsMoxHttp::ReplyObjectReader;

bool WalkReplyObjectArray(const Json::Value& root, std::string_view key,
                          const std::function<void(ReplyObjectReader&)>& readRecord)
{
    if (ReplyObjectReader(root).FindString("NumOfLists") && nsMoxHttp::ReplyListCount(root) == 0)
        return true;
    return nsMoxHttp::WalkReplyArray(root, key, readRecord);
}
