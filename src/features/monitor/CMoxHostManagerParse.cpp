#include "features/monitor/CMoxHostManagerParse.h"

#include "features/monitor/HostMonitorEvents.h"
#include "features/monitor/HostMonitorReplyReader.h"
#include "protocol/RequestKinds.h"
#include "shell/MoxText.h"

namespace nsMoxHttp {
namespace {

const ReplyTexts kHostListTexts{"", MoxText::Noop("获取主机列表信息失败，%s(错误号:%d)。"), MoxText::Noop("获取主机列表信息失败，网络连接错误。")};
const ReplyTexts kUpstreamListTexts{"", MoxText::Noop("获取源站地址列表失败，%s(错误号:%d)"), MoxText::Noop("获取源站地址列表失败，网络连接错误。")};

}  // namespace

void CMoxHostManagerParse::HandleReply(bool failed)
{
    switch (Kind()) {
    case eReq_ProxyList:
        CompleteWithRecord<CMoxProxyUrlListEventParam>(failed, kHostListTexts,
                                                       [](const Json::Value& root, auto& record) {
                                                           return ReadProxyHostList(root, record.items);
                                                       });
        break;
    case eReq_UpstreamList:
        CompleteWithRecord<CMoxProxyUrlEventParam>(failed, kUpstreamListTexts,
                                                   [](const Json::Value& root, auto& record) {
                                                       return ReadUpstreamHostList(root, record.items);
                                                   });
        break;
    default:
        break;
    }
}

}  // namespace nsMoxHttp
