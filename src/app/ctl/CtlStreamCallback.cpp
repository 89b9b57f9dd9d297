#include "CtlStreamCallback.h"

#include "transport/CMoxHttpManager.h"

CtlStreamCallback::CtlStreamCallback(std::shared_ptr<Control> control) : control_(std::move(control))
{
    std::lock_guard guard(control_->lock);
    control_->callback = this;
}

CtlStreamCallback::~CtlStreamCallback()
{
    std::lock_guard guard(control_->lock);
    control_->callback = nullptr;
    control_->task = nullptr;
}

void CtlStreamCallback::Learn()
{
    std::lock_guard guard(control_->lock);
    control_->task = Task();
}

void CtlStreamCallback::OnHeader(const char* data, std::size_t size, std::size_t count)
{
    Learn();
    CMoxHttpCallback::OnHeader(data, size, count);
}

void CtlStreamCallback::OnData(const char* data, std::size_t size, std::size_t count)
{
    Learn();
    CMoxHttpCallback::OnData(data, size, count);
}

bool CtlStreamCallback::Cancel(Control& control)
{
    nsMoxHttp::CMoxHttpManager& http = nsMoxHttp::CMoxHttpManager::Instance();
    CtlStreamCallback* detached = nullptr;
    http.Lock();
    {
        std::lock_guard guard(control.lock);
        // A task the manager no longer lists is reporting its end: its callback frees itself.
        if (control.callback && control.task && http.HasTask(control.task)) {
            http.RemoveTask(control.task, true);
            detached = control.callback;
        }
    }
    // Unlocking waits for a callback that was still running in the detached listener.
    http.Unlock();
    delete detached;
    std::lock_guard guard(control.lock);
    return control.callback == nullptr;
}
