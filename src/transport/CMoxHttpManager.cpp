#include "transport/CMoxHttpManager.h"

#include "transport/CMoxHttpTask.h"

#include <curl/curl.h>

#include <algorithm>

namespace nsMoxHttp {

CMoxHttpManager& CMoxHttpManager::Instance()
{
    static CMoxHttpManager manager;
    return manager;
}

CMoxHttpManager::CMoxHttpManager()
{
    curl_global_init(CURL_GLOBAL_ALL);
    share_ = std::make_unique<CMoxConnectionShare>();
}

CMoxHttpManager::~CMoxHttpManager()
{
    RemoveAllTasks();
    threads_.StopAll();
    share_.reset();
    curl_global_cleanup();
}

IMoxHttpTask* CMoxHttpManager::CreateTask()
{
    IMoxHttpTask* task = new CMoxHttpTask;
    AddTask(task);
    return task;
}

void CMoxHttpManager::AddTask(IMoxHttpTask* task)
{
    std::lock_guard guard(lock_);
    if (std::find(tasks_.begin(), tasks_.end(), task) == tasks_.end())
        tasks_.push_back(task);
}

void CMoxHttpManager::RemoveTask(IMoxHttpTask* task, bool abort)
{
    std::lock_guard guard(lock_);
    const auto found = std::find(tasks_.begin(), tasks_.end(), task);
    if (found == tasks_.end())
        return;
    tasks_.erase(found);
    task->StopRequest(abort);
    // After the wait for a running listener that StopRequest queued, since the listener may use the task.
    CMoxHttpListLock::AfterRelease([task] { task->Release(); });
}

void CMoxHttpManager::RemoveAllTasks()
{
    std::lock_guard guard(lock_);
    for (IMoxHttpTask* task : tasks_) {
        task->StopRequest(true);
        CMoxHttpListLock::AfterRelease([task] { task->Release(); });
    }
    tasks_.clear();
}

bool CMoxHttpManager::HasTask(IMoxHttpTask* task)
{
    std::lock_guard guard(lock_);
    return std::find(tasks_.begin(), tasks_.end(), task) != tasks_.end();
}

void CMoxHttpManager::Lock()
{
    lock_.lock();
}

void CMoxHttpManager::Unlock()
{
    lock_.unlock();
}

bool CMoxHttpManager::TakeForCompletion(IMoxHttpTask* task)
{
    std::lock_guard guard(lock_);
    const auto found = std::find(tasks_.begin(), tasks_.end(), task);
    if (found == tasks_.end())
        return false;
    tasks_.erase(found);
    return true;
}

bool CMoxHttpManager::StartExchange(std::shared_ptr<CMoxHttpRequest> request)
{
    return threads_.Start(std::move(request));
}

CURLSH* CMoxHttpManager::ConnectionShare() const
{
    return share_->Handle();
}

std::size_t CMoxHttpManager::RunningExchanges() const
{
    return threads_.Running();
}

}  // namespace nsMoxHttp
