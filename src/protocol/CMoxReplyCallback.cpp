#include "protocol/CMoxReplyCallback.h"

#include "messaging/EventKinds.h"
#include "messaging/GlobalFunc_UpdateStatusBar.h"
#include "messaging/PostCacheEvent.h"
#include "protocol/ErrorCodes.h"
#include "protocol/ReplyEnvelope.h"
#include "protocol/StatusText.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/TextFormat.h"
#include "transport/CMoxHttpManager.h"
#include "transport/CMoxReplyBuffer.h"
#include "shell/MoxText.h"
#include "transport/IMoxHttpTask.h"

namespace nsMoxHttp {

void CMoxReplyCallback::Prepare(int kind, int completionEvent, std::string serverText, RequestValues request,
                                ExchangeStamp stamp)
{
    kind_ = kind;
    completionEvent_ = completionEvent;
    stamp_ = stamp;
    serverText_ = std::move(serverText);
    request_ = std::move(request);
}

void CMoxReplyCallback::OnComplete(bool failed)
{
    HandleReply(failed);
    if (task_) {
        task_->StopRequest(false);
        CMoxHttpManager::Instance().RemoveTask(task_, false);
    }
    delete this;
}

std::optional<CMoxReplyCallback::Judged> CMoxReplyCallback::Judge(bool failed, const ReplyTexts& texts)
{
    if (failed) {
        const CertificateFailureReport trust = task_ ? task_->GetTrustFailure() : CertificateFailureReport{};
        ShowStatus(trust.failure != CertificateFailure::None
                       ? CertificateFailureText(trust, serverText_)
                       : FormatText(MoxText::tr(texts.network), serverText_));
        PostWithoutRecord(ReplyExchangeFailed, 0);
        return std::nullopt;
    }
    // Without a reply text or a server instance nothing is shown, yet the exchange still ends: the
    // view waiting for it must not stay busy. The sign-in's events carry their record in param1 and
    // no status, so it stays silent.
    std::unique_ptr<CMoxReplyBuffer> reply = task_ ? task_->GetReply() : nullptr;
    CMoxCacheInstance* instance = CMoxInstanceManager::GetInstanceManager()->GetInstance();
    if (!reply || !instance) {
        if (EndReleaseOf(completionEvent_) != eMoxEventRecordSlot::Param1)
            PostWithoutRecord(ReplyMalformed, 0);
        return std::nullopt;
    }

    ReplyEnvelope envelope = JudgeReply(false, reply->Bytes());
    if (envelope.status == ReplyRefused)
        instance->SetLastErrorNo(envelope.errorNoText);
    return Judged{envelope.status, std::move(envelope.root), envelope.errorNo};
}

void CMoxReplyCallback::ReportRefusal(const ReplyTexts& texts, int errorNumber)
{
    const std::string format = MoxText::tr(texts.refused);
    if (format.find("%s") == std::string::npos) {
        ShowStatus(FormatText(format.c_str(), errorNumber));
        return;
    }
    const std::string argument = texts.refusalArgument == ReplyTexts::RefusalArgument::Server
                                     ? serverText_
                                     : MoxText::tr(ErrorText(errorNumber));
    ShowStatus(FormatText(format.c_str(), argument, errorNumber));
}

void CMoxReplyCallback::ReportMalformed(const ReplyTexts& texts)
{
    ShowStatus(texts.malformed);
    PostWithoutRecord(ReplyMalformed, 0);
}

void CMoxReplyCallback::Post(int status, RecordHandle<CMoxEventParam> record)
{
    PostExchangeEvent(stamp_, completionEvent_, static_cast<std::uintptr_t>(status), std::move(record));
}

void CMoxReplyCallback::PostWithoutRecord(int status, int errorNumber)
{
    const std::uintptr_t param2 = handedThrough_ ? *handedThrough_ : static_cast<std::uintptr_t>(errorNumber);
    PostExchangeEvent(stamp_, completionEvent_, static_cast<std::uintptr_t>(status), param2);
}

void CMoxReplyCallback::ShowStatus(std::string_view text)
{
    GlobalFunc_UpdateStatusBar(std::string(text));
}

}  // namespace nsMoxHttp
