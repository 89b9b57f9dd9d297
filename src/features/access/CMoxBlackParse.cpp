#include "features/access/CMoxBlackParse.h"

#include "features/access/AddressListEvents.h"
#include "features/access/AddressListReplyReader.h"
#include "features/access/AddressListRequests.h"
#include "protocol/RequestKinds.h"
#include "shell/MoxText.h"

namespace nsMoxHttp {
namespace {

const ReplyTexts kBlackListTexts{MoxText::Noop("获取黑名单列表成功"), MoxText::Noop("获取黑名单列表数据失败，%s(错误号:%d)"),
                                 MoxText::Noop("获取黑名单列表数据失败，网络连接错误。")};
const ReplyTexts kBlackAddTexts{MoxText::Noop("添加黑名单列表信息成功。"), MoxText::Noop("添加黑名单列表信息失败，%s(错误号:%d)。"),
                                MoxText::Noop("添加黑名单列表信息失败，网络连接错误。")};
const ReplyTexts kBlackModifyTexts{MoxText::Noop("修改黑名单列表信息成功。"), MoxText::Noop("修改黑名单列表信息失败，%s(错误号:%d)。"),
                                   MoxText::Noop("修改黑名单列表信息失败，网络连接错误。")};
const ReplyTexts kBlackDelTexts{MoxText::Noop("删除黑名单列表信息成功。"), MoxText::Noop("删除黑名单列表信息失败，%s(错误号:%d)。"),
                                MoxText::Noop("删除黑名单列表信息失败，网络连接错误。")};
const ReplyTexts kWhiteListTexts{MoxText::Noop("获取白名单列表成功"), MoxText::Noop("获取白名单列表数据失败，%s(错误号:%d)"),
                                 MoxText::Noop("获取白名单列表数据失败，网络连接错误。")};
const ReplyTexts kWhiteAddTexts{MoxText::Noop("添加白名单列表信息成功。"), MoxText::Noop("添加白名单列表信息失败，%s(错误号:%d)。"),
                                MoxText::Noop("添加白名单列表信息失败，网络连接错误。")};
const ReplyTexts kWhiteModifyTexts{MoxText::Noop("修改白名单列表信息成功。"), MoxText::Noop("修改白名单列表信息失败，%s(错误号:%d)。"),
                                   MoxText::Noop("修改白名单列表信息失败，网络连接错误。")};
const ReplyTexts kWhiteDelTexts{MoxText::Noop("删除白名单列表信息成功。"), MoxText::Noop("删除白名单列表信息失败，%s(错误号:%d)。"),
                                MoxText::Noop("删除白名单列表信息失败，网络连接错误。")};

}  // namespace

void CMoxBlackParse::HandleReply(bool failed)
{
    auto list = [&](AddressList which, const ReplyTexts& texts) {
        CompleteWithRecord<CMoxAddressListEventParam>(failed, texts, [which](const Json::Value& root, auto& record) {
            return ReadAddressList(root, which, record.items);
        });
    };
    // What was sent, with the identifier the reply returns.
    auto sent = [&](AddressList which, const ReplyTexts& texts) {
        CompleteWithRecord<CMoxAddressEntryEventParam>(
            failed, texts, [this, which](const Json::Value& root, CMoxAddressEntryEventParam& record) {
                record.item = AddressListEntryFromValues(Request(), which);
                const Json::Value& id = root[std::string(AddressListIdKey(which))];
                if (id.isString())
                    record.item.Id = id.asString();
                return true;
            });
    };

    switch (Kind()) {
    case eReq_BlackList:
        list(AddressList::Black, kBlackListTexts);
        break;
    case eReq_BlackAdd:
        sent(AddressList::Black, kBlackAddTexts);
        break;
    case eReq_BlackModify:
        sent(AddressList::Black, kBlackModifyTexts);
        break;
    case eReq_BlackDel:
        sent(AddressList::Black, kBlackDelTexts);
        break;
    case eReq_WhiteList:
        list(AddressList::White, kWhiteListTexts);
        break;
    case eReq_WhiteAdd:
        sent(AddressList::White, kWhiteAddTexts);
        break;
    case eReq_WhiteModify:
        sent(AddressList::White, kWhiteModifyTexts);
        break;
    case eReq_WhiteDel:
        sent(AddressList::White, kWhiteDelTexts);
        break;
    default:
        break;
    }
}

}  // namespace nsMoxHttp
