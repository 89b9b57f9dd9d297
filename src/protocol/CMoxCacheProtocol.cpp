#include "protocol/CMoxCacheProtocol.h"

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
    return ++requestCounter_;
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
    CMoxInstanceManager* manager = CMoxInstanceManager::GetInstanceManager();
    if (row.kind != eReq_SignIn && manager->CheckSession() != 0)
        return nullptr;
    const CMoxCacheInstance* instance = manager->GetInstance();
    if (!instance || !callback)
        return nullptr;

    const std::string host = instance->Host();
    const std::string url = RequestUrl(host, row);

    const unsigned long requestNumber = NextRequestId();
    const FormattedBody body = FormatRequestBody(row, values, instance->SessionId(), requestNumber);
    if (!body.error.empty()) {
        std::fprintf(stderr, "morvix: %.*s %.*s not sent: %s\n", int(row.type.size()), row.type.data(),
                     int(row.cmd.size()), row.cmd.data(), body.error.c_str());
        return nullptr;
    }

    callback->Prepare(row.kind, row.completionEvent, host, values, requestNumber);
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
