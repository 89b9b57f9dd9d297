#include "features/access/CMoxRewriteManager.h"

#include "features/access/RewriteEvents.h"
#include "features/access/RewriteReplyReader.h"
#include "features/access/RewriteRequests.h"
#include "protocol/RequestKinds.h"
#include "shell/MoxText.h"

namespace nsMoxHttp {
namespace {

const ReplyTexts kListTexts{MoxText::Noop("获取转向列表成功"), MoxText::Noop("获取转向列表数据失败，%s(错误号:%d)"), MoxText::Noop("获取转向列表数据失败，网络连接错误。")};
const ReplyTexts kAddTexts{MoxText::Noop("添加转向列表数据成功。"), MoxText::Noop("添加转向列表数据失败，%s(错误号:%d)"),
                           MoxText::Noop("添加转向列表数据失败，网络连接错误。")};
const ReplyTexts kModifyTexts{MoxText::Noop("修改转向列表信息成功。"), MoxText::Noop("修改转向列表信息失败，%s(错误号:%d)。"),
                              MoxText::Noop("修改转向列表信息失败，网络连接错误。")};
const ReplyTexts kDelTexts{MoxText::Noop("删除转向列表信息成功。"), MoxText::Noop("删除转向列表信息失败，%s(错误号:%d)。"),
                           MoxText::Noop("删除转向列表信息失败，网络连接错误。")};
const ReplyTexts kUpTexts{MoxText::Noop("向上移动转向列表匹配排序成功。"), MoxText::Noop("向上移动转向列表匹配排序失败，%s(错误号:%d)。"),
                          MoxText::Noop("向上移动转向列表匹配排序失败，网络链接错误。")};
const ReplyTexts kDownTexts{MoxText::Noop("向下移动转向列表匹配排序成功。"), MoxText::Noop("向下移动转向列表匹配排序失败，%s(错误号:%d)。"),
                            MoxText::Noop("向下移动转向列表匹配排序失败，网络链接错误。")};

}  // namespace

void CMoxRewriteManager::HandleReply(bool failed)
{
    // What was sent, with the identifier the reply returns.
    auto sentRule = [this](const Json::Value& root, CMoxRewriteEventParam& record) {
        record.item = RewriteRuleFromValues(Request());
        if (root["RewriteID"].isString())
            record.item.RewriteID = root["RewriteID"].asString();
        return true;
    };
    auto sent = [&](const ReplyTexts& texts) { CompleteWithRecord<CMoxRewriteEventParam>(failed, texts, sentRule); };

    switch (Kind()) {
    case eReq_RewriteList:
        CompleteWithRecord<CMoxRewriteListEventParam>(failed, kListTexts, [](const Json::Value& root, auto& record) {
            return ReadRewriteRuleList(root, record.items);
        });
        break;
    case eReq_RewriteAdd:
        sent(kAddTexts);
        break;
    case eReq_RewriteModify:
        sent(kModifyTexts);
        break;
    case eReq_RewriteDel:
        sent(kDelTexts);
        break;
    case eReq_RewriteUp:
        sent(kUpTexts);
        break;
    case eReq_RewriteDown:
        sent(kDownTexts);
        break;
    default:
        break;
    }
}

}  // namespace nsMoxHttp
