#pragma once

#include "transport/IMoxHttpTask.h"

namespace nsMoxHttp {

// The process's list of HTTP tasks. The list holds one reference to each task in it.
class IMoxHttpManager {
public:
    virtual ~IMoxHttpManager() = default;
    // A new task, already in the list; the caller gets no reference of its own.
    virtual IMoxHttpTask* CreateTask() = 0;
    // Hands the caller's reference to the list; a task already listed is not listed twice.
    virtual void AddTask(IMoxHttpTask* task) = 0;
    // Unlisted tasks are left alone. Once this returns no callback reaches the task's listener,
    // none is running in it, and the list's reference is released. A caller holding Lock gets
    // the last two when its Unlock returns, so that a listener which needs the lock to finish
    // cannot deadlock against it.
    virtual void RemoveTask(IMoxHttpTask* task, bool abort) = 0;
    virtual void RemoveAllTasks() = 0;
    // False also once the task's exchange has begun to report its end: its listener then owns
    // the outcome, and whoever cancels must not free that listener.
    virtual bool HasTask(IMoxHttpTask* task) = 0;
    // Lets a caller test HasTask, detach the listener and remove the task as one step.
    virtual void Lock() = 0;
    virtual void Unlock() = 0;
};

}  // namespace nsMoxHttp
