// The system options replies of CMoxHttpCallback.
#include "features/config/SystemOptionsChangeSet.h"
#include "features/config/SystemOptionsReader.h"
#include "features/config/SystemRequests.h"
#include "protocol/CMoxHttpCallback.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/LeadingDecimal.h"

namespace nsMoxHttp {
namespace {

constexpr std::string_view kServerUnreachable = "连接%s失败，请检查网络连接是否正常或者会话已过期";
const ReplyTexts kListTexts{"获取系统配置信息成功。", "获取获取系统配置信息失败，%s(错误号:%d)。", kServerUnreachable};
const ReplyTexts kModifyTexts{"设置系统配置信息成功。", "设置系统配置信息失败，%s(错误号:%d)。", kServerUnreachable};

CMoxCacheInstance* Instance()
{
    return CMoxInstanceManager::GetInstanceManager()->GetInstance();
}

}  // namespace

void CMoxHttpCallback::OnSystemList(bool failed)
{
    CompleteWithoutRecord(failed, kListTexts, [](const Json::Value& root) {
        if (CMoxCacheInstance* instance = Instance()) {
            SystemOptions options = instance->Options();
            ReadSystemOptions(root, options);
            instance->SetOptions(options);
        }
        return true;
    });
}

void CMoxHttpCallback::OnSystemModify(bool failed)
{
    HandThrough(static_cast<std::uintptr_t>(Request().Number(kSystemModifyKindField, eSystemModify_FullSave)));
    // The server now holds what was sent, so the next change set is measured against it.
    CompleteWithoutRecord(failed, kModifyTexts, [this](const Json::Value&) {
        if (CMoxCacheInstance* instance = Instance()) {
            SystemOptions options = instance->Options();
            for (const auto& [key, value] : Request().ExtraPairs())
                ApplySystemOptionChange(options, key, LeadingDecimalInt(value));
            instance->SetOptions(options);
        }
        return true;
    });
}

}  // namespace nsMoxHttp
