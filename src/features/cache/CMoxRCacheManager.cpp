#include "features/cache/CMoxRCacheManager.h"

#include "features/cache/RCacheEvents.h"
#include "features/cache/RCacheReplyReader.h"
#include "features/cache/RCacheRequests.h"
#include "protocol/RequestKinds.h"

namespace nsMoxHttp {
namespace {

// Add, modify and delete name the page cache: the server's own wording for this list.
const ReplyTexts kRCacheListTexts{"", "获取拒绝缓存数据失败，%s(错误号:%d)。", "获取拒绝缓存数据失败，网络连接错误。"};
const ReplyTexts kRCacheAddTexts{"增加页面缓存信息成功。", "增加页面缓存信息失败，%s(错误号:%d)。",
                           "增加页面缓存信息失败，网络连接错误。"};
const ReplyTexts kRCacheModifyTexts{"修改页面缓存信息成功。", "修改页面缓存信息失败，%s(错误号:%d)。",
                              "修改页面缓存信息失败，网络连接错误。"};
const ReplyTexts kRCacheDelTexts{"删除页面缓存信息成功。", "删除页面缓存信息失败，%s(错误号:%d)。",
                           "删除页面缓存信息失败，网络连接错误。"};
const ReplyTexts kRCacheUpTexts{"向上移动拒绝缓存匹配排序成功。", "向上移动拒绝缓存匹配排序失败，%s(错误号:%d)。",
                          "向上移动拒绝缓存匹配排序失败，网络连接错误。"};
const ReplyTexts kRCacheDownTexts{"向下移动拒绝缓存匹配排序成功。", "向下移动拒绝缓存匹配排序失败，%s(错误号:%d)。",
                            "向下移动拒绝缓存匹配排序失败，网络连接错误。"};

}  // namespace

void CMoxRCacheManager::HandleReply(bool failed)
{
    // What was sent, with the identifier the reply returns.
    auto sentRule = [this](const Json::Value& root, CMoxRCacheEventParam& record) {
        record.item = RCacheRuleFromValues(Request());
        if (root["Wid"].isString())
            record.item.Wid = root["Wid"].asString();
        return true;
    };
    auto sent = [&](const ReplyTexts& texts) { CompleteWithRecord<CMoxRCacheEventParam>(failed, texts, sentRule); };

    switch (Kind()) {
    case eReq_RCacheList:
        CompleteWithRecord<CMoxRCacheListEventParam>(failed, kRCacheListTexts,
                                                  [](const Json::Value& root, auto& record) {
                                                      return ReadRCacheRuleList(root, record.items);
                                                  });
        break;
    case eReq_RCacheAdd:
        sent(kRCacheAddTexts);
        break;
    case eReq_RCacheModify:
        sent(kRCacheModifyTexts);
        break;
    case eReq_RCacheDel:
        sent(kRCacheDelTexts);
        break;
    case eReq_RCacheUp:
        sent(kRCacheUpTexts);
        break;
    case eReq_RCacheDown:
        sent(kRCacheDownTexts);
        break;
    default:
        break;
    }
}

}  // namespace nsMoxHttp
