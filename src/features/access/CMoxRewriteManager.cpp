#include "features/access/CMoxRewriteManager.h"

#include "features/access/RewriteEvents.h"
#include "features/access/RewriteReplyReader.h"
#include "features/access/RewriteRequests.h"
#include "protocol/RequestKinds.h"

namespace nsMoxHttp {
namespace {

const ReplyTexts kListTexts{"获取转向列表成功", "获取转向列表数据失败，%s(错误号:%d)", "获取转向列表数据失败，网络连接错误。"};
const ReplyTexts kAddTexts{"添加转向列表数据成功。", "添加转向列表数据失败，%s(错误号:%d)",
                           "添加转向列表数据失败，网络连接错误。"};
const ReplyTexts kModifyTexts{"修改转向列表信息成功。", "修改转向列表信息失败，%s(错误号:%d)。",
                              "修改转向列表信息失败，网络连接错误。"};
const ReplyTexts kDelTexts{"删除转向列表信息成功。", "删除转向列表信息失败，%s(错误号:%d)。",
                           "删除转向列表信息失败，网络连接错误。"};
const ReplyTexts kUpTexts{"向上移动转向列表匹配排序成功。", "向上移动转向列表匹配排序失败，%s(错误号:%d)。",
                          "向上移动转向列表匹配排序失败，网络链接错误。"};
const ReplyTexts kDownTexts{"向下移动转向列表匹配排序成功。", "向下移动转向列表匹配排序失败，%s(错误号:%d)。",
                            "向下移动转向列表匹配排序失败，网络链接错误。"};

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
