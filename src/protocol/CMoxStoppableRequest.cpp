#include "protocol/CMoxStoppableRequest.h"

#include "transport/CMoxHttpManager.h"

#include <utility>

namespace nsMoxHttp {

CMoxStoppableRequest::~CMoxStoppableRequest()
{
    Stop();
}

CMoxStoppableRequest::CMoxStoppableRequest(CMoxStoppableRequest&& other) noexcept
    : task_(std::exchange(other.task_, nullptr))
{
}

CMoxStoppableRequest& CMoxStoppableRequest::operator=(CMoxStoppableRequest&& other) noexcept
{
    if (this != &other) {
        Stop();
        task_ = std::exchange(other.task_, nullptr);
    }
    return *this;
}

void CMoxStoppableRequest::Stop()
{
    IMoxHttpTask* task = std::exchange(task_, nullptr);
    if (!task)
        return;
    CMoxHttpManager& http = CMoxHttpManager::Instance();
    IMoxHttpCallback* detached = nullptr;
    // Under the list's lock the end of the exchange and this cancellation exclude each other.
    http.Lock();
    if (http.HasTask(task)) {
        detached = task->GetCallback();
        task->SetCallback(nullptr);
        http.RemoveTask(task, true);
    }
    // Unlocking waits for a callback that was still running in the detached listener.
    http.Unlock();
    delete detached;
    task->Release();
}

}  // namespace nsMoxHttp
