#include "features/config/CMoxDnsCallback.h"

#include "features/config/DnsEvents.h"
#include "features/config/DnsReplyReader.h"
#include "features/config/DnsRequests.h"
#include "messaging/CMoxTextEventParam.h"
#include "protocol/ReplyEnvelope.h"
#include "protocol/RequestKinds.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/Utf8Text.h"
#include "transport/IMoxHttpTask.h"
#include "shell/MoxText.h"

namespace nsMoxHttp {
namespace {

const ReplyTexts kSystemListTexts{MoxText::Noop("获取DNS系统配置参数成功。"), MoxText::Noop("获取DNS系统配置参数失败，%s(错误号:%d)。"),
                                  MoxText::Noop("获取DNS系统配置参数失败，网络连接错误。")};
const ReplyTexts kSystemSetTexts{MoxText::Noop("设置DNS系统配置参数成功。"), MoxText::Noop("设置DNS系统配置参数失败，%s(错误号:%d)。"),
                                 MoxText::Noop("设置DNS系统配置参数失败，网络连接错误。")};
const ReplyTexts kCacheCleanTexts{MoxText::Noop("清理所有已缓存的 DNS 成功。"), MoxText::Noop("清理所有已缓存的 DNS 失败，%s(错误号:%d)。"),
                                  MoxText::Noop("清理所有已缓存的 DNS 失败，网络连接错误。")};
// The cache list reports nothing in the status bar but a refusal.
const ReplyTexts kCacheListTexts{{}, MoxText::Noop("获取 DNS 缓存列表失败，%s(错误号:%d)。"), {}};
const ReplyTexts kRedirectListTexts{MoxText::Noop("获取域名转向列表成功。"), MoxText::Noop("获取域名转向列表失败，%s(错误号:%d)。"),
                                    MoxText::Noop("获取域名转向列表失败，网络连接错误。")};
const ReplyTexts kRedirectAddTexts{MoxText::Noop("增加域名转向列表成功。"), MoxText::Noop("增加域名转向列表失败，%s(错误号:%d)。"),
                                   MoxText::Noop("增加域名转向列表失败，网络连接错误。")};
const ReplyTexts kRedirectModifyTexts{MoxText::Noop("修改域名转向列表成功。"), MoxText::Noop("修改域名转向列表失败，%s(错误号:%d)。"),
                                      MoxText::Noop("修改域名转向列表失败，网络连接错误。")};
const ReplyTexts kRedirectDelTexts{MoxText::Noop("删除域名转向列表成功。"), MoxText::Noop("删除域名转向列表失败，%s(错误号:%d)。"),
                                   MoxText::Noop("删除域名转向列表失败，网络连接错误。")};
const ReplyTexts kClassModifyTexts{MoxText::Noop("修改视频劫持设置成功。"), MoxText::Noop("修改视频劫持设置失败，%s(错误号:%d)。"),
                                   MoxText::Noop("修改视频劫持设置失败，网络连接错误。")};
const ReplyTexts kBalanceListTexts{MoxText::Noop("获取集群主机列表成功。"), MoxText::Noop("获取集群主机列表失败，%s(错误号:%d)。"),
                                   MoxText::Noop("获取集群主机列表失败，网络连接错误。")};
const ReplyTexts kBalanceAddTexts{MoxText::Noop("增加集群主机成功。"), MoxText::Noop("增加集群主机失败，%s(错误号:%d)。"),
                                  MoxText::Noop("增加集群主机失败，网络连接错误。")};
const ReplyTexts kBalanceModifyTexts{MoxText::Noop("修改集群主机成功。"), MoxText::Noop("修改集群主机失败，%s(错误号:%d)。"),
                                     MoxText::Noop("修改集群主机失败，网络连接错误。")};
const ReplyTexts kBalanceDelTexts{MoxText::Noop("删除集群主机成功。"), MoxText::Noop("删除集群主机失败，%s(错误号:%d)。"),
                                  MoxText::Noop("删除集群主机失败，网络连接错误。")};

}  // namespace

void CMoxDnsCallback::HandleReply(bool failed)
{
    auto sentEntry = [this](const Json::Value&, auto& record) {
        record.item = DnsRedirectEntryFromValues(Request());
        return true;
    };
    auto sentHost = [this](const Json::Value&, auto& record) {
        record.items.push_back(DnsBalanceHostFromValues(Request()));
        return true;
    };

    switch (Kind()) {
    case eReq_DnsSystemList:
        CompleteWithRecord<CMoxDnsSystemEventParam>(failed, kSystemListTexts, [](const Json::Value& root, auto& record) {
            ReadDnsSystemOptions(root, record.options);
            return true;
        });
        break;
    case eReq_DnsSystemSet:
        CompleteWithRecord<CMoxDnsSystemEventParam>(failed, kSystemSetTexts, [this](const Json::Value&, auto& record) {
            record.options = DnsSystemOptionsFromValues(Request());
            return true;
        });
        break;
    case eReq_DnsCacheList:
        OnCacheList(failed);
        break;
    case eReq_DnsCacheClean:
        CompleteWithoutRecord(failed, kCacheCleanTexts, [](const Json::Value&) { return true; });
        break;
    case eReq_DnsRedirectList:
        CompleteWithRecord<CMoxDnsRedirectListEventParam>(
            failed, kRedirectListTexts, [](const Json::Value& root, auto& record) {
                return ReadDnsRedirectLists(root, record.systemEntries, record.userEntries);
            });
        break;
    case eReq_DnsRedirectAdd:
        CompleteWithRecord<CMoxDnsRedirectAddEventParam>(failed, kRedirectAddTexts, sentEntry);
        break;
    case eReq_DnsRedirectModify:
        CompleteWithRecord<CMoxDnsRedirectAddEventParam>(failed, kRedirectModifyTexts, sentEntry);
        break;
    case eReq_DnsRedirectDel:
        CompleteWithRecord<CMoxDnsRedirectAddEventParam>(failed, kRedirectDelTexts, sentEntry);
        break;
    case eReq_DnsRedirectClassList:
        CompleteWithRecord<CMoxDnsRedirectClassListEventParam>(
            failed, kRedirectListTexts,
            [](const Json::Value& root, auto& record) { return ReadDnsRedirectClasses(root, record.items); });
        break;
    case eReq_DnsRedirectClassMod:
        CompleteWithRecord<CMoxDnsRedirectClassListEventParam>(
            failed, kClassModifyTexts, [this](const Json::Value&, auto& record) {
                record.items.push_back(DnsRedirectClassFromValues(Request()));
                return true;
            });
        break;
    case eReq_DnsBalanceList:
        CompleteWithRecord<CMoxDnsRedirectBalanceListEventParam>(
            failed, kBalanceListTexts,
            [](const Json::Value& root, auto& record) { return ReadDnsBalanceHosts(root, record.items); });
        break;
    case eReq_DnsBalanceAdd:
        CompleteWithRecord<CMoxDnsRedirectBalanceListEventParam>(failed, kBalanceAddTexts, sentHost);
        break;
    case eReq_DnsBalanceModify:
        CompleteWithRecord<CMoxDnsRedirectBalanceListEventParam>(failed, kBalanceModifyTexts, sentHost);
        break;
    case eReq_DnsBalanceDel:
        CompleteWithRecord<CMoxDnsRedirectBalanceListEventParam>(failed, kBalanceDelTexts, sentHost);
        break;
    default:
        break;
    }
}

// The cache list is shown as the server wrote it, JSON or not; only a refusal envelope (an expired
// session, say) is reported as one, with its text still attached.
void CMoxDnsCallback::OnCacheList(bool failed)
{
    if (failed) {
        PostWithoutRecord(ReplyExchangeFailed, 0);
        return;
    }
    std::unique_ptr<CMoxReplyBuffer> reply = Task() ? Task()->GetReply() : nullptr;
    CMoxCacheInstance* instance = CMoxInstanceManager::GetInstanceManager()->GetInstance();
    if (!reply || !instance)
        return;
    const std::string text(reply->Bytes());
    const ReplyEnvelope envelope = JudgeReply(false, text);
    auto record = RecordHandle<CMoxTextEventParam>::Make(Utf8Text::Sanitize(text));
    if (envelope.status == ReplyRefused) {
        instance->SetLastErrorNo(envelope.errorNoText);
        ReportRefusal(kCacheListTexts, envelope.errorNo);
        Post(ReplyRefused, std::move(record));
        return;
    }
    Post(ReplyAccepted, std::move(record));
}

}  // namespace nsMoxHttp
