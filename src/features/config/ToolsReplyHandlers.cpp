// The tools replies of CMoxHttpCallback.
#include "features/config/CMoxToolsEventParam.h"
#include "features/monitor/CRealtimeInstantRequestEventParam.h"
#include "protocol/CMoxHttpCallback.h"
#include "protocol/ReplyEnvelope.h"
#include "protocol/ReplyObjectReader.h"
#include "protocol/RequestKinds.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/TextFormat.h"
#include "shell/Utf8Text.h"
#include "shell/MoxText.h"

namespace nsMoxHttp {
namespace {

const ReplyTexts kTestCacheTexts{{}, MoxText::Noop("缓存测试失败，%s(错误号:%d)。"), kServerUnreachableText};
const ReplyTexts kTestRegexTexts{{}, MoxText::Noop("验证正则表达式语法失败，%s(错误号:%d)。"), kServerUnreachableText};
const ReplyTexts kIpLookTexts{{}, MoxText::Noop("IP地址查询失败，%s(错误号:%d)。"), kServerUnreachableText};
const ReplyTexts kCachedUrlListTexts{{}, MoxText::Noop("获取所有缓存 Url 列表失败，%s(错误号:%d)。"), kServerUnreachableText};

}  // namespace

void CMoxHttpCallback::OnToolsTestCache(bool failed)
{
    CompleteWithRecord<CMoxToolsEventParam>(failed, kTestCacheTexts, [this](const Json::Value& root, auto& record) {
        ReplyObjectReader reader(root);
        record.query = Request().Text("Url");
        record.answer = reader.RequiredString("CacheFlag");
        return !reader.Malformed();
    });
}

void CMoxHttpCallback::OnToolsTestRegex(bool failed)
{
    CompleteWithRecord<CMoxToolsEventParam>(failed, kTestRegexTexts, [this](const Json::Value&, auto& record) {
        record.query = Request().Text("Regex");
        return true;
    });
}

void CMoxHttpCallback::OnToolsIpLook(bool failed)
{
    CompleteWithRecord<CMoxToolsEventParam>(failed, kIpLookTexts, [this](const Json::Value& root, auto& record) {
        ReplyObjectReader reader(root);
        record.query = reader.OptionalString("IP", Request().Text("IP"));
        record.answer = reader.RequiredString("Location");
        return !reader.Malformed();
    });
}

// The list is plain text, not JSON; only a refusal (an expired session, say) comes as the usual
// envelope, and it must not be shown as a list of URLs: it travels with an empty text.
void CMoxHttpCallback::OnToolsCachedUrlList(bool failed)
{
    if (failed) {
        ShowStatus(FormatText(std::string(kCachedUrlListTexts.network).c_str(), ServerText()));
        PostWithoutRecord(ReplyExchangeFailed, 0);
        return;
    }
    // Without a server instance nothing is shown, yet the page waiting for the list stops waiting.
    CMoxCacheInstance* instance = CMoxInstanceManager::GetInstanceManager()->GetInstance();
    if (!instance) {
        PostWithoutRecord(ReplyMalformed, 0);
        return;
    }
    const ReplyEnvelope envelope = JudgeReply(false, cachedUrlText_);
    const bool refused = envelope.status == ReplyRefused;
    if (refused) {
        instance->SetLastErrorNo(envelope.errorNoText);
        ReportRefusal(kCachedUrlListTexts, envelope.errorNo);
    }
    Post(refused ? ReplyRefused : ReplyAccepted,
         RecordHandle<CRealtimeInstantRequestEventParam>::Make(refused ? std::string() : Utf8Text::Sanitize(cachedUrlText_), 0));
}

}  // namespace nsMoxHttp
