#include "protocol/CMoxCacheProtocol.h"

#include "messaging/SessionGeneration.h"
#include "protocol/CMoxReplyCallback.h"
#include "protocol/ReplyCallbackFactory.h"
#include "protocol/SentRequestNumber.h"
#include "protocol/RequestBody.h"
#include "protocol/RequestKinds.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"
#include "transport/CMoxHttpManager.h"
#include "transport/IMoxHttpTask.h"

#include <cstdio>

namespace nsMoxHttp {

namespace {

// The number of the last request this thread handed to the transport, 0 after one that was not sent.
thread_local unsigned long lastSentRequestNumber = 0;

}  // namespace

CMoxCacheProtocol& CMoxCacheProtocol::GetProtocol()
{
    static CMoxCacheProtocol protocol;
    return protocol;
}

unsigned long CMoxCacheProtocol::NextRequestId()
{
    std::lock_guard guard(counterLock_);
    // Read under the lock, so that numbers and generations advance together.
    const unsigned long generation = SessionGeneration::Current();
    ++requestCounter_;
    if (generationStarts_.empty() || generationStarts_.rbegin()->second != generation)
        generationStarts_.emplace(requestCounter_, generation);
    return requestCounter_;
}

unsigned long CMoxCacheProtocol::GenerationOf(unsigned long requestNumber)
{
    std::lock_guard guard(counterLock_);
    if (requestNumber == 0 || requestNumber > requestCounter_)
        return 0;
    auto start = generationStarts_.upper_bound(requestNumber);
    return start == generationStarts_.begin() ? 0 : std::prev(start)->second;
}

unsigned long GenerationOfRequest(unsigned long requestNumber)
{
    return CMoxCacheProtocol::GetProtocol().GenerationOf(requestNumber);
}

bool IsOfOlderSession(unsigned long requestNumber)
{
    return GenerationOfRequest(requestNumber) < SessionGeneration::Current();
}

unsigned long SentRequestNumber(const std::function<bool()>& send)
{
    lastSentRequestNumber = 0;
    return send() ? lastSentRequestNumber : 0;
}

bool CMoxCacheProtocol::Send(int kind, const RequestValues& values)
{
    const CatalogueRow* row = FindCatalogueRow(kind);
    return row && Send(*row, values);
}

bool CMoxCacheProtocol::Send(const CatalogueRow& row, const RequestValues& values)
{
    return Send(row, values, MakeReplyCallback(row.family));
}

bool CMoxCacheProtocol::Send(const CatalogueRow& row, const RequestValues& values,
                             std::unique_ptr<CMoxReplyCallback> callback)
{
    IMoxHttpTask* task = Start(row, values, std::move(callback));
    if (!task)
        return false;
    task->Release();
    return true;
}

CMoxStoppableRequest CMoxCacheProtocol::SendStoppable(const CatalogueRow& row, const RequestValues& values)
{
    return SendStoppable(row, values, MakeReplyCallback(row.family));
}

CMoxStoppableRequest CMoxCacheProtocol::SendStoppable(const CatalogueRow& row, const RequestValues& values,
                                                      std::unique_ptr<CMoxReplyCallback> callback)
{
    return CMoxStoppableRequest(Start(row, values, std::move(callback)));
}

IMoxHttpTask* CMoxCacheProtocol::Start(const CatalogueRow& row, const RequestValues& values,
                                       std::unique_ptr<CMoxReplyCallback> callback)
{
    lastSentRequestNumber = 0;
    // Numbered before the session is read: a login that comes between leaves this request in the
    // older generation, whose reply is dropped, never an old session's request in the new one.
    const unsigned long requestNumber = NextRequestId();
    CMoxInstanceManager* manager = CMoxInstanceManager::GetInstanceManager();
    if (row.kind != eReq_SignIn && manager->CheckSession() != 0)
        return nullptr;
    const CMoxCacheInstance* instance = manager->GetInstance();
    if (!instance || !callback)
        return nullptr;

    const std::string host = instance->Host();
    const std::string url = RequestUrl(host, row);

    const FormattedBody body = FormatRequestBody(row, values, instance->SessionId(), requestNumber);
    if (!body.error.empty()) {
        std::fprintf(stderr, "morvix: %.*s %.*s not sent: %s\n", int(row.type.size()), row.type.data(),
                     int(row.cmd.size()), row.cmd.data(), body.error.c_str());
        return nullptr;
    }

    callback->Prepare(row.kind, row.completionEvent, host, values, {requestNumber, GenerationOf(requestNumber)});
    CMoxHttpManager& http = CMoxHttpManager::Instance();
    IMoxHttpTask* task = http.CreateTask();
    if (!task)
        return nullptr;
    // The caller's reference, taken before the exchange can end and release the list's.
    task->AddRef();
    callback->SetTask(task);
    task->SetCallback(callback.get());
    // A live stream is consumed as it arrives; keeping it as well would grow for as long as it runs.
    task->SetKeepBody(row.kind != eReq_InstantRequest);
    task->SetChangesServer(ChangesServer(row));
    task->SetUrl(url);
    task->SetPostData(body.body);
    if (!task->StartRequest()) {
        task->SetCallback(nullptr);
        http.RemoveTask(task, true);
        task->Release();
        return nullptr;
    }
    // From here the callback belongs to the exchange and deletes itself when it ends.
    callback.release();
    lastSentRequestNumber = requestNumber;
    return task;
}

}  // namespace nsMoxHttp
