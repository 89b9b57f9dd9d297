#include "features/monitor/CMoxRTHParse.h"

#include "features/monitor/RthEvents.h"
#include "features/monitor/RthReplyReader.h"
#include "features/monitor/RthRequests.h"
#include "protocol/RequestKinds.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/MoxText.h"

namespace nsMoxHttp {
namespace {

const ReplyTexts kListTexts{"", MoxText::Noop("获取实时访问监控记录列表失败，%s(错误号:%d)。"),
                            MoxText::Noop("获取实时访问监控记录列表失败，网络连接错误。")};
const ReplyTexts kAddTexts{MoxText::Noop("添加实时访问监控记录成功。"), MoxText::Noop("添加实时访问监控记录失败，%s(错误号:%d)。"),
                           MoxText::Noop("添加实时访问监控记录失败，网络连接错误。")};
const ReplyTexts kDelTexts{MoxText::Noop("删除实时访问监控记录成功。"), MoxText::Noop("删除实时访问监控记录失败，%s(错误号:%d)。"),
                           MoxText::Noop("删除实时访问监控记录失败，网络连接错误。")};
const ReplyTexts kPasswordTexts{MoxText::Noop("修改用户密码成功。"), MoxText::Noop("修改用户密码失败，%s(错误号:%d)。"),
                                MoxText::Noop("修改用户密码失败，网络连接错误。")};

}  // namespace

void CMoxRTHParse::HandleReply(bool failed)
{
    auto sentRecord = [this](const Json::Value&, auto& record) {
        record.item = RthRecordFromValues(Request());
        return true;
    };

    switch (Kind()) {
    case eReq_RthList:
        CompleteWithRecord<CMoxRTHListEventParam>(failed, kListTexts, [](const Json::Value& root, auto& record) {
            return ReadRthRecordList(root, record.items);
        });
        break;
    case eReq_RthAdd:
        CompleteWithRecord<CMoxRTHEventParam>(failed, kAddTexts, sentRecord);
        break;
    case eReq_RthDel:
        CompleteWithRecord<CMoxRTHEventParam>(failed, kDelTexts, sentRecord);
        break;
    case eReq_UserPasswd:
        OnPasswordChanged(failed);
        break;
    default:
        break;
    }
}

void CMoxRTHParse::OnPasswordChanged(bool failed)
{
    CompleteWithoutRecord(failed, kPasswordTexts, [this](const Json::Value&) {
        // The console keeps the password of the account it is signed in with, for signing in
        // again; a change of the other account's password must not replace it.
        CMoxCacheInstance* instance = CMoxInstanceManager::GetInstanceManager()->GetInstance();
        if (instance && Request().Text("Username") == CMoxCacheInstance::UserName(instance->Role()))
            instance->SetPassword(Request().Text("Password"));
        return true;
    });
}

}  // namespace nsMoxHttp
