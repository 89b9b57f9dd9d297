#include "features/cache/CCleanCache.h"

#include "protocol/RequestKinds.h"
#include "shell/MoxText.h"

namespace nsMoxHttp {
namespace {

const ReplyTexts kSmartTexts{MoxText::Noop("清理已智能缓存的页面成功。"), MoxText::Noop("清理已智能缓存的页面失败，%s(错误号:%d)。"),
                             MoxText::Noop("清理已智能缓存的页面失败，网络连接错误。")};
// Cleaning the page-cache store and cleaning by pattern report alike.
const ReplyTexts kPageTexts{MoxText::Noop("清理已缓存的页面成功。"), MoxText::Noop("清理已缓存的页面失败，%s(错误号:%d)。"),
                            MoxText::Noop("清理已缓存的页面失败，网络连接错误。")};
const ReplyTexts kAllTexts{MoxText::Noop("清理所有已缓存的页面成功。"), MoxText::Noop("清理所有已缓存的页面失败，%s(错误号:%d)。"),
                           MoxText::Noop("清理所有已缓存的页面失败，网络连接错误。")};
const ReplyTexts kSessionTexts{MoxText::Noop("清除所有已缓存的登陆验证会话(SessionID)信息成功。"),
                               MoxText::Noop("清除已缓存的登陆验证会话(SessionID)信息失败，%s(错误号:%d)。"),
                               MoxText::Noop("清除已缓存的登陆验证会话(SessionID)信息失败，网络连接错误。")};

}  // namespace

void CCleanCache::HandleReply(bool failed)
{
    auto nothingToRead = [](const Json::Value&) { return true; };
    switch (Kind()) {
    case eReq_CleanSmartCache:
        CompleteWithoutRecord(failed, kSmartTexts, nothingToRead);
        break;
    case eReq_CleanPageCache:
    case eReq_CleanThisCache:
        CompleteWithoutRecord(failed, kPageTexts, nothingToRead);
        break;
    case eReq_CleanAllCache:
        CompleteWithoutRecord(failed, kAllTexts, nothingToRead);
        break;
    case eReq_CleanSessionCache:
        CompleteWithoutRecord(failed, kSessionTexts, nothingToRead);
        break;
    default:
        break;
    }
}

}  // namespace nsMoxHttp
