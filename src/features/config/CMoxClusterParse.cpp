#include "features/config/CMoxClusterParse.h"

#include "features/config/ClusterReplyReader.h"
#include "features/config/ClusterRequests.h"
#include "features/config/CMoxClusterEventParam.h"
#include "protocol/RequestKinds.h"
#include "shell/MoxText.h"

namespace nsMoxHttp {
namespace {

const ReplyTexts kGetTexts{MoxText::Noop("获得本服务器的集群配置成功"), MoxText::Noop("获得本服务器的集群配置失败，%s(错误号:%d)。"),
                           MoxText::Noop("获得本服务器的集群配置失败，网络连接失败或会话已过期"),
                           ReplyTexts::RefusalArgument::ErrorText, MoxText::Noop("数据格式错误，返回的Json数据格式解析失败!")};
const ReplyTexts kStatusTexts{MoxText::Noop("获得本服务器的集群状态成功"), MoxText::Noop("获得本服务器的集群状态失败，%s(错误号:%d)。"),
                              MoxText::Noop("获得本服务器的集群状态失败，网络连接失败或会话已过期")};
const ReplyTexts kModifyTexts{MoxText::Noop("修改集群配置项成功。"), MoxText::Noop("修改集群配置项失败，%s(错误号:%d)。"),
                              kServerUnreachableText};

}  // namespace

void CMoxClusterParse::HandleReply(bool failed)
{
    switch (Kind()) {
    case eReq_ClusterGet:
        CompleteWithRecord<CMoxClusterEventParam>(failed, kGetTexts, [](const Json::Value& root, auto& record) {
            return ReadClusterConfig(root, record.config);
        });
        break;
    case eReq_ClusterStatus:
        CompleteWithRecord<CMoxClusterEventParam>(failed, kStatusTexts, [](const Json::Value& root, auto& record) {
            return ReadClusterStatus(root, record.config, record.slaves);
        });
        break;
    case eReq_ClusterModify:
        CompleteWithRecord<CMoxClusterEventParam>(failed, kModifyTexts, [this](const Json::Value&, auto& record) {
            record.config = ClusterConfigFromValues(Request());
            return true;
        });
        break;
    default:
        break;
    }
}

}  // namespace nsMoxHttp
