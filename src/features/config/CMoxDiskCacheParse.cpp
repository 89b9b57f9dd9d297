#include "features/config/CMoxDiskCacheParse.h"

#include "features/config/CMoxDiskCacheEventParam.h"
#include "features/config/DiskCacheReplyReader.h"
#include "features/config/DiskCacheRequests.h"
#include "protocol/RequestKinds.h"
#include "shell/MoxText.h"

namespace nsMoxHttp {
namespace {

const ReplyTexts kListTexts{MoxText::Noop("获取硬盘缓存目录配置成功。"), MoxText::Noop("获取硬盘缓存目录配置失败，%s(错误号:%d)。"), kServerUnreachableText};
const ReplyTexts kSetTexts{MoxText::Noop("设置硬盘缓存目录配置信息成功。"), MoxText::Noop("设置硬盘缓存目录配置信息失败，%s(错误号:%d)。"),
                           kServerUnreachableText};

}  // namespace

void CMoxDiskCacheParse::HandleReply(bool failed)
{
    switch (Kind()) {
    case eReq_DiskCacheList:
    case eReq_DiskCacheQuery:
        CompleteWithRecord<CMoxDiskCacheEventParam>(failed, kListTexts, [](const Json::Value& root, auto& record) {
            return ReadDiskCacheList(root, record.items);
        });
        break;
    case eReq_DiskCacheSet:
        CompleteWithRecord<CMoxDiskCacheEventParam>(failed, kSetTexts, [this](const Json::Value&, auto& record) {
            record.sent = DiskCacheEntryFromValues(Request());
            return true;
        });
        break;
    default:
        break;
    }
}

}  // namespace nsMoxHttp
