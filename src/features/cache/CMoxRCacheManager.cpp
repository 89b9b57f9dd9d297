#include "features/cache/CMoxRCacheManager.h"

#include "features/cache/RCacheEvents.h"
#include "features/cache/RCacheReplyReader.h"
#include "features/cache/RCacheRequests.h"
#include "protocol/RequestKinds.h"
#include "shell/MoxText.h"

namespace nsMoxHttp {
namespace {

// Add, modify and delete name the page cache: the server's own wording for this list.
const ReplyTexts kRCacheListTexts{"", MoxText::Noop("获取拒绝缓存数据失败，%s(错误号:%d)。"), MoxText::Noop("获取拒绝缓存数据失败，网络连接错误。")};
const ReplyTexts kRCacheAddTexts{MoxText::Noop("增加页面缓存信息成功。"), MoxText::Noop("增加页面缓存信息失败，%s(错误号:%d)。"),
                           MoxText::Noop("增加页面缓存信息失败，网络连接错误。")};
const ReplyTexts kRCacheModifyTexts{MoxText::Noop("修改页面缓存信息成功。"), MoxText::Noop("修改页面缓存信息失败，%s(错误号:%d)。"),
                              MoxText::Noop("修改页面缓存信息失败，网络连接错误。")};
const ReplyTexts kRCacheDelTexts{MoxText::Noop("删除页面缓存信息成功。"), MoxText::Noop("删除页面缓存信息失败，%s(错误号:%d)。"),
                           MoxText::Noop("删除页面缓存信息失败，网络连接错误。")};
const ReplyTexts kRCacheUpTexts{MoxText::Noop("向上移动拒绝缓存匹配排序成功。"), MoxText::Noop("向上移动拒绝缓存匹配排序失败，%s(错误号:%d)。"),
                          MoxText::Noop("向上移动拒绝缓存匹配排序失败，网络连接错误。")};
const ReplyTexts kRCacheDownTexts{MoxText::Noop("向下移动拒绝缓存匹配排序成功。"), MoxText::Noop("向下移动拒绝缓存匹配排序失败，%s(错误号:%d)。"),
                            MoxText::Noop("向下移动拒绝缓存匹配排序失败，网络连接错误。")};

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
