#include "features/cache/CMoxSCacheParse.h"

#include "features/cache/SCacheEvents.h"
#include "features/cache/SCacheReplyReader.h"
#include "features/cache/SCacheRequests.h"
#include "protocol/RequestKinds.h"
#include "shell/MoxText.h"

namespace nsMoxHttp {
namespace {

const ReplyTexts kSCacheListTexts{"", MoxText::Noop("获取会话缓存列表失败，%s(错误号:%d)。"), MoxText::Noop("获取会话缓存列表失败，网络连接错误。")};
const ReplyTexts kSCacheAddTexts{MoxText::Noop("添加会话缓存信息成功。"), MoxText::Noop("添加会话缓存信息失败，%s(错误号:%d)。"),
                           MoxText::Noop("添加会话缓存信息失败，网络连接错误。")};
const ReplyTexts kSCacheModifyTexts{MoxText::Noop("修改会话缓存信息成功。"), MoxText::Noop("修改会话缓存信息失败，%s(错误号:%d)。"),
                              MoxText::Noop("修改会话缓存信息失败，网络连接错误。")};
const ReplyTexts kSCacheDelTexts{MoxText::Noop("删除会话缓存信息成功。"), MoxText::Noop("删除会话缓存信息失败，%s(错误号:%d)。"),
                           MoxText::Noop("删除会话缓存信息失败，网络连接错误。")};
const ReplyTexts kSCacheUpTexts{MoxText::Noop("向上移动会话缓存匹配排序成功。"), MoxText::Noop("向上移动会话缓存匹配排序失败，%s(错误号:%d)。"),
                          MoxText::Noop("向上移动会话缓存匹配排序失败，网络连接错误。")};
const ReplyTexts kSCacheDownTexts{MoxText::Noop("向下移动会话缓存匹配排序成功。"), MoxText::Noop("向下移动会话缓存匹配排序失败，%s(错误号:%d)。"),
                            MoxText::Noop("向下移动会话缓存匹配排序失败，网络连接错误。")};

}  // namespace

void CMoxSCacheParse::HandleReply(bool failed)
{
    // What was sent, with the identifier the reply returns.
    auto sentRule = [this](const Json::Value& root, CMoxSCacheEventParam& record) {
        record.item = SCacheRuleFromValues(Request());
        if (root["Wid"].isString())
            record.item.Wid = root["Wid"].asString();
        return true;
    };
    auto sent = [&](const ReplyTexts& texts) { CompleteWithRecord<CMoxSCacheEventParam>(failed, texts, sentRule); };

    switch (Kind()) {
    case eReq_SCacheList:
        CompleteWithRecord<CMoxSCacheListEventParam>(failed, kSCacheListTexts,
                                                  [](const Json::Value& root, auto& record) {
                                                      return ReadSCacheRuleList(root, record.items);
                                                  });
        break;
    case eReq_SCacheAdd:
        sent(kSCacheAddTexts);
        break;
    case eReq_SCacheModify:
        sent(kSCacheModifyTexts);
        break;
    case eReq_SCacheDel:
        sent(kSCacheDelTexts);
        break;
    case eReq_SCacheUp:
        sent(kSCacheUpTexts);
        break;
    case eReq_SCacheDown:
        sent(kSCacheDownTexts);
        break;
    default:
        break;
    }
}

}  // namespace nsMoxHttp
