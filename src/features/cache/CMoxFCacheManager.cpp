#include "features/cache/CMoxFCacheManager.h"

#include "features/cache/FCacheEvents.h"
#include "features/cache/FCacheReplyReader.h"
#include "features/cache/FCacheRequests.h"
#include "protocol/RequestKinds.h"
#include "shell/MoxText.h"

namespace nsMoxHttp {
namespace {

using Arg = ReplyTexts::RefusalArgument;

const ReplyTexts kListTexts{MoxText::Noop("获取页面缓存列表成功"), MoxText::Noop("从%s获取页面缓存数据失败，(错误号:%d)"),
                            MoxText::Noop("获取页面缓存列表失败，网络连接错误。"), Arg::Server};
const ReplyTexts kAddTexts{MoxText::Noop("添加到页面缓存列表成功。"), MoxText::Noop("添加到页面缓存列表失败，(错误号:%d)"),
                           MoxText::Noop("添加到页面缓存列表失败，网络连接错误。")};
const ReplyTexts kModifyTexts{MoxText::Noop("修改页面缓存数据成功。"), MoxText::Noop("修改页面缓存数据失败，(错误号:%d)"),
                              MoxText::Noop("修改页面缓存数据失败，网络连接错误。")};
const ReplyTexts kDelTexts{MoxText::Noop("刪除页面缓存信息成功。"), MoxText::Noop("刪除页面缓存信息失败，%s,错误号：%d。"),
                           MoxText::Noop("刪除页面缓存信息失败，无法与服务器建立连接")};
const ReplyTexts kUpTexts{MoxText::Noop("向上移动页面缓存数据成功。"), MoxText::Noop("向上移动页面缓存数据失败，(错误号:%d)"),
                          MoxText::Noop("向上移动页面缓存数据失败，网络连接错误。")};
const ReplyTexts kDownTexts{MoxText::Noop("向下移动页面缓存数据成功。"), MoxText::Noop("向下移动页面缓存数据失败，(错误号:%d)"),
                            MoxText::Noop("向下移动页面缓存数据失败，网络连接错误。")};

}  // namespace

void CMoxFCacheManager::HandleReply(bool failed)
{
    // What was sent, with the identifier an add reply returns.
    auto sentRule = [this](const Json::Value& root, auto& record) {
        record.item = FCacheRuleFromValues(Request());
        if (root["Wid"].isString())
            record.item.Wid = root["Wid"].asString();
        return true;
    };

    switch (Kind()) {
    case eReq_FCacheList:
        CompleteWithRecord<CMoxFCacheListEventParam>(failed, kListTexts, [](const Json::Value& root, auto& record) {
            return ReadFCacheRuleList(root, record.items);
        });
        break;
    case eReq_FCacheAdd:
        CompleteWithRecord<CMoxFCacheAddEventParam>(failed, kAddTexts, sentRule);
        break;
    case eReq_FCacheModify:
        CompleteWithRecord<CMoxFCacheEventParam>(failed, kModifyTexts, sentRule);
        break;
    case eReq_FCacheDel:
        CompleteWithRecord<CMoxFCacheEventParam>(failed, kDelTexts, sentRule);
        break;
    case eReq_FCacheUp:
        CompleteWithRecord<CMoxFCacheEventParam>(failed, kUpTexts, sentRule);
        break;
    case eReq_FCacheDown:
        CompleteWithRecord<CMoxFCacheEventParam>(failed, kDownTexts, sentRule);
        break;
    default:
        break;
    }
}

}  // namespace nsMoxHttp
