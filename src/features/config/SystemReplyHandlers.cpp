// The system options replies of CMoxHttpCallback.
#include "features/config/NewestSystemOptions.h"
#include "features/config/SystemOptionsEvents.h"
#include "features/config/SystemRequests.h"
#include "protocol/CMoxHttpCallback.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/MoxText.h"

namespace nsMoxHttp {
namespace {

const ReplyTexts kListTexts{MoxText::Noop("获取系统配置信息成功。"), MoxText::Noop("获取获取系统配置信息失败，%s(错误号:%d)。"), kServerUnreachableText};
const ReplyTexts kModifyTexts{MoxText::Noop("设置系统配置信息成功。"), MoxText::Noop("设置系统配置信息失败，%s(错误号:%d)。"), kServerUnreachableText};

CMoxCacheInstance* Instance()
{
    return CMoxInstanceManager::GetInstanceManager()->GetInstance();
}

}  // namespace

void CMoxHttpCallback::OnSystemList(bool failed)
{
    CompleteWithRecord<CSystemOptionsEventParam>(
        failed, kListTexts, [this](const Json::Value& root, CSystemOptionsEventParam& record) {
            if (CMoxCacheInstance* instance = Instance())
                MergeNewerSystemOptions(*instance, RequestNumber(), root, record.item);
            return true;
        });
}

void CMoxHttpCallback::OnSystemModify(bool failed)
{
    HandThrough(static_cast<std::uintptr_t>(Request().Number(kSystemModifyKindField, eSystemModify_FullSave)));
    // The server now holds what was sent, so the next change set is measured against it.
    CompleteWithoutRecord(failed, kModifyTexts, [this](const Json::Value&) {
        if (CMoxCacheInstance* instance = Instance())
            ApplyAcceptedSystemOptions(*instance, RequestNumber(), Request().ExtraPairs());
        return true;
    });
}

}  // namespace nsMoxHttp
