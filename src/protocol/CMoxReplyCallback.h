#pragma once

#include "messaging/PostCacheEvent.h"
#include "messaging/RecordHandle.h"
#include "protocol/RequestValues.h"
#include "protocol/StatusText.h"
#include "transport/IMoxHttpCallback.h"

#include <json/value.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace nsMoxHttp {

class IMoxHttpTask;

// The status-bar texts of one reply handler. "%s" in the refusal text is the error text of the
// number (or the server address where the handler names the server); "%d" is the number.
// "%s" in the network text is the server address.
struct ReplyTexts {
    enum class RefusalArgument { ErrorText, Server };
    std::string_view accepted;  // empty: nothing is shown on success
    std::string_view refused;
    std::string_view network;
    RefusalArgument refusalArgument = RefusalArgument::ErrorText;
    std::string_view malformed = kMalformedReplyText;  // one handler words it differently
};

// Base of every reply callback. The builder prepares it and hands it to its task; the transport
// calls OnComplete once on the request thread; the callback reports, removes its task and deletes itself.
class CMoxReplyCallback : public IMoxHttpCallback {
public:
    void Prepare(int kind, int completionEvent, std::string serverText, RequestValues request, ExchangeStamp stamp);
    void SetTask(IMoxHttpTask* task) { task_ = task; }

    void OnComplete(bool failed) final;

    int Kind() const { return kind_; }
    // The number this exchange sent: every event it posts carries it, whatever the reply echoes.
    unsigned long RequestNumber() const { return stamp_.requestNumber; }
    // The number and the session generation it was sent in, as every event it posts carries them.
    ExchangeStamp Stamp() const { return stamp_; }

protected:
    // The family's dispatch on the request kind.
    virtual void HandleReply(bool failed) = 0;

    // The common steps of a handler whose event carries a record. Fill reads the accepted reply into
    // the record and returns false when a required key is missing (a malformed reply).
    template <class Record, class Fill>
    void CompleteWithRecord(bool failed, const ReplyTexts& texts, Fill fill);

    // The same for events without a record: param2 carries the error number when refused, else 0,
    // unless the request hands a value through to every outcome. Read may store what the accepted
    // reply holds and returns false when it is malformed.
    template <class Read>
    void CompleteWithoutRecord(bool failed, const ReplyTexts& texts, Read read);
    void HandThrough(std::uintptr_t value) { handedThrough_ = value; }

    struct Judged {
        int status = 3;
        Json::Value root;
        int errorNumber = 0;
    };
    // Nothing when the exchange failed (reported here) and in the two silent cases, no reply text
    // and no server instance, which end the exchange as an unreadable reply without a word.
    std::optional<Judged> Judge(bool failed, const ReplyTexts& texts);
    void ReportRefusal(const ReplyTexts& texts, int errorNumber);
    void ReportMalformed(const ReplyTexts& texts);
    void Post(int status, RecordHandle<CMoxEventParam> record);
    // Events without a record: param2 is the error number, or the value handed through when there is one.
    void PostWithoutRecord(int status, int errorNumber);
    static void ShowStatus(std::string_view text);

    const RequestValues& Request() const { return request_; }
    const std::string& ServerText() const { return serverText_; }
    IMoxHttpTask* Task() const { return task_; }
    int CompletionEvent() const { return completionEvent_; }

private:
    int kind_ = -1;
    int completionEvent_ = 0;
    ExchangeStamp stamp_;
    std::string serverText_;
    IMoxHttpTask* task_ = nullptr;
    RequestValues request_;
    std::optional<std::uintptr_t> handedThrough_;
};

template <class Record, class Fill>
void CMoxReplyCallback::CompleteWithRecord(bool failed, const ReplyTexts& texts, Fill fill)
{
    std::optional<Judged> judged = Judge(failed, texts);
    if (!judged)
        return;
    if (judged->status == 3) {
        ReportMalformed(texts);
        return;
    }
    auto record = RecordHandle<Record>::Make();
    if (judged->status == 1) {
        record->errorNo = judged->errorNumber;
        ReportRefusal(texts, judged->errorNumber);
        Post(1, std::move(record));
        return;
    }
    if (!fill(judged->root, *record)) {
        ReportMalformed(texts);
        return;
    }
    if (!texts.accepted.empty())
        ShowStatus(texts.accepted);
    Post(0, std::move(record));
}

template <class Read>
void CMoxReplyCallback::CompleteWithoutRecord(bool failed, const ReplyTexts& texts, Read read)
{
    std::optional<Judged> judged = Judge(failed, texts);
    if (!judged)
        return;
    if (judged->status == 3) {
        ReportMalformed(texts);
        return;
    }
    if (judged->status == 1) {
        ReportRefusal(texts, judged->errorNumber);
        PostWithoutRecord(1, judged->errorNumber);
        return;
    }
    if (!read(judged->root)) {
        ReportMalformed(texts);
        return;
    }
    if (!texts.accepted.empty())
        ShowStatus(texts.accepted);
    PostWithoutRecord(0, 0);
}

}  // namespace nsMoxHttp
