// The sign-in reply of CMoxHttpCallback.
#include "messaging/EventKinds.h"
#include "messaging/GlobalFunc_UpdateStatusBar.h"
#include "messaging/PostCacheEvent.h"
#include "messaging/SessionGeneration.h"
#include "protocol/CMoxHttpCallback.h"
#include "protocol/ReplyEnvelope.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/CMoxLoginEventParam.h"
#include "shell/LeadingDecimal.h"
#include "shell/TextFormat.h"
#include "shell/MoxText.h"
#include "shell/Utf8Text.h"
#include "transport/IMoxHttpTask.h"
#include "transport/TlsTrust.h"

namespace nsMoxHttp {
namespace {

constexpr int kServerBusy = 10;
constexpr int kWrongLogin = 20;
constexpr std::size_t kOemVersionPrefix = 7;

// An OEM build does not show the maker's prefix of the server's version text.
std::string VersionAsShown(const std::string& version)
{
    if (!CMoxInstanceManager::GetInstanceManager()->Options().IsGuiSwitchOn(CIniOptionFile::GuiSwitch::IsOem))
        return version;
    return version.substr(Utf8Text::CutToCharacters(version, kOemVersionPrefix).size());
}

bool ReadText(const Json::Value& root, const char* key, std::string& out)
{
    const Json::Value& value = root[key];
    if (!value.isString())
        return false;
    out = value.asString();
    return true;
}

// The session keys of an accepted reply, into the record only when every required one is there.
bool ReadSession(const Json::Value& root, CMoxLoginEventParam& record, std::string& lastLoginTime)
{
    std::string sessionId, userType, version, versionExt;
    if (!ReadText(root, "SessionID", sessionId) || !ReadText(root, "UserType", userType) ||
        !ReadText(root, "LastLoginTime", lastLoginTime) || !ReadText(root, "Version", version))
        return false;
    ReadText(root, "VersionExt", versionExt);
    record.sessionId = std::move(sessionId);
    record.userType = std::move(userType);
    record.version = VersionAsShown(version);
    record.versionExt = std::move(versionExt);
    return true;
}

// The status text of a refused sign-in; nothing for the refusals that have no text of their own.
std::string RefusalText(const std::string& host, int number)
{
    if (number == kServerBusy)
        return FormatText(MoxText::tr("登录%s失败，服务器忙（错误号:%d)"), host, number);
    if (number == kWrongLogin)
        return FormatText(MoxText::tr("登录%s失败，用户名不存在或密码错误（错误号:%d)"), host, number);
    return {};
}

// The event goes first and its text after it; the text is made before the record changes hands.
void PostOutcome(int kind, RecordHandle<CMoxLoginEventParam> record, const std::string& statusText)
{
    PostCacheEvent(kind, std::move(record), 0);
    if (!statusText.empty())
        GlobalFunc_UpdateStatusBar(statusText);
}

}  // namespace

void CMoxHttpCallback::OnSignIn(bool failed)
{
    // Only the latest attempt's reply counts: one superseded by a later attempt is dropped unseen.
    const unsigned long attempt = Stamp().generation;
    if (attempt != SessionGeneration::Current())
        return;
    auto record = RecordHandle<CMoxLoginEventParam>::Make();
    record->attempt = attempt;
    record->host = ServerText();
    record->roleName = Request().Text("Username");
    record->password = Request().Text("Password");
    record->passThrough = PassThrough();
    const std::string host = record->host;

    if (failed) {
        record->trustFailure = Task() ? Task()->GetTrustFailure() : CertificateFailureReport{};
        if (record->trustFailure.failure == CertificateFailure::None) {
            PostOutcome(eMoxCacheEvent_ConnectFailed, std::move(record),
                        FormatText(MoxText::tr("连接%s失败，请检查网络连接是否正常或输入的服务器地址是否正确"), host));
            return;
        }
        // Only looked at here, on the exchange's own thread, so that nobody waits for it.
        if (record->trustFailure.failure == CertificateFailure::UnknownIssuer)
            record->certificate = FetchServerCertificate(HttpsHostPort(host + "/"));
        const std::string text = CertificateFailureText(record->trustFailure, host);
        PostOutcome(eMoxCacheEvent_ConnectFailed, std::move(record), text);
        return;
    }
    std::optional<Judged> judged = Judge(false, {});
    CMoxCacheInstance* instance = CMoxInstanceManager::GetInstanceManager()->GetInstance();
    if (!judged || !instance)
        return;

    std::string lastLoginTime;
    if (judged->status == ReplyRefused) {
        // Any shape of ErrorNo is only a reason to show: one that is no text or number reads as none.
        const Json::Value& errorNo = judged->root["ErrorNo"];
        record->errorNo = errorNo.isConvertibleTo(Json::stringValue) ? errorNo.asString() : std::string();
        instance->SetConnected(false);
        const std::string text = RefusalText(host, LeadingDecimalInt(record->errorNo));
        PostOutcome(eMoxCacheEvent_LoginFailed, std::move(record), text);
        return;
    }
    if (judged->status != ReplyAccepted || !ReadSession(judged->root, *record, lastLoginTime)) {
        PostOutcome(eMoxCacheEvent_LoginFailed, std::move(record), MoxText::Noop("登录服务器失败，返回的Json数据格式解析错误!"));
        return;
    }
    // The session begins a generation of its own before any view hears of it; an attempt made
    // meanwhile has superseded this one.
    if (!SessionGeneration::AdvanceFrom(attempt))
        return;
    instance->SetSession(record->sessionId, record->userType, lastLoginTime, record->version, record->versionExt);
    instance->SetConnected(true);
    PostOutcome(eMoxCacheEvent_LoginOk, std::move(record), FormatText(MoxText::tr("登录%s成功。"), host));
}

}  // namespace nsMoxHttp
