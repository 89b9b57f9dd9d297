#include "messaging/CZebEventManager.h"

#include "messaging/CThreadRegistry.h"
#include "messaging/SessionGeneration.h"

#include <shared_mutex>

namespace {

// Held shared while posting through Post, so that DestroyInstance never frees the manager under a
// poster while posters do not wait for one another.
std::shared_mutex instanceLock;
CZebEventManager* instance = nullptr;

thread_local unsigned long dispatchedRequestNumber = 0;
thread_local unsigned long dispatchedGeneration = 0;

}  // namespace

CZebEventManager* CZebEventManager::Instance()
{
    std::lock_guard guard(instanceLock);
    if (!instance)
        instance = new CZebEventManager;
    return instance;
}

CZebEventManager* CZebEventManager::Existing()
{
    std::shared_lock guard(instanceLock);
    return instance;
}

bool CZebEventManager::Post(int kind, std::uintptr_t param1, std::uintptr_t param2, unsigned long requestNumber,
                            unsigned long generation)
{
    {
        std::shared_lock guard(instanceLock);
        if (instance)
            return instance->PostEvent(kind, param1, param2, requestNumber, generation);
    }
    std::lock_guard guard(instanceLock);
    if (!instance)
        instance = new CZebEventManager;
    return instance->PostEvent(kind, param1, param2, requestNumber, generation);
}

unsigned long CZebEventManager::DispatchedRequestNumber()
{
    return dispatchedRequestNumber;
}

unsigned long CZebEventManager::DispatchedGeneration()
{
    return dispatchedGeneration;
}

void CZebEventManager::DestroyInstance()
{
    CZebEventManager* manager = Existing();
    if (!manager)
        return;
    // Still published while shutting down, so that handlers posting meanwhile reach a stopped
    // manager (their events are ended) instead of making a new one.
    manager->Shutdown();
    {
        std::lock_guard guard(instanceLock);
        if (instance != manager)
            return;
        instance = nullptr;
    }
    delete manager;
}

void CZebEventManager::Shutdown()
{
    Stop();
    std::unique_lock guard(threadLock_);
    threadExited_.wait(guard, [this] { return !threadRunning_; });
}

bool CZebEventManager::Start()
{
    std::lock_guard guard(threadLock_);
    if (stopped_)
        return false;
    return eventThreadId_.load() != 0 || StartLocked();
}

bool CZebEventManager::StartLocked()
{
    const std::uint32_t id = CThreadRegistry::StartThread(this);
    if (id == 0)
        return false;
    threadRunning_ = true;
    eventThreadId_.store(id);
    return true;
}

void CZebEventManager::Stop()
{
    std::uint32_t id;
    {
        std::lock_guard guard(threadLock_);
        stopped_ = true;
        id = eventThreadId_.load();
    }
    CThreadRegistry::StopThread(id);
}

std::uint32_t CZebEventManager::EventThreadId()
{
    if (const std::uint32_t id = eventThreadId_.load())
        return id;
    std::lock_guard guard(threadLock_);
    if (eventThreadId_.load() == 0 && !stopped_)
        StartLocked();
    return eventThreadId_.load();
}

void CZebEventManager::OnThreadExit(std::uint32_t)
{
    std::lock_guard guard(threadLock_);
    threadRunning_ = false;
    threadExited_.notify_all();
}

void CZebEventManager::Register(IEventHandle* handler)
{
    std::lock_guard guard(lock_);
    for (const Cell& cell : handlers_) {
        if (cell.load() == handler)
            return;
    }
    handlers_.emplace_back(handler);
    walkStale_ = true;
}

void CZebEventManager::Unregister(IEventHandle* handler)
{
    std::unique_lock guard(lock_);
    for (Cell& cell : handlers_) {
        if (cell.load() == handler) {
            cell.store(nullptr);
            deadCells_ = true;
            break;
        }
    }
    if (!dispatching_ || std::this_thread::get_id() == eventThread_)
        return;
    const std::uint64_t inProgress = dispatchesEnded_;
    ++unregisterWaiters_;
    dispatchEnded_.wait(guard, [this, inProgress] { return dispatchesEnded_ != inProgress; });
    --unregisterWaiters_;
}

bool CZebEventManager::PostEvent(int kind, std::uintptr_t param1, std::uintptr_t param2, unsigned long requestNumber,
                                 unsigned long generation)
{
    const std::uint32_t id = EventThreadId();
    if (generation == 0)
        generation = SessionGeneration::Current();
    if (CThreadRegistry::PostToThread(id, this, kind, param1, param2, requestNumber, generation))
        return true;
    EndUndelivered(kind, param1, param2);
    return false;
}

void CZebEventManager::SetEndHandler(IEventHandle* handler)
{
    std::lock_guard guard(lock_);
    endHandler_ = handler;
}

void CZebEventManager::SetStartHandler(IEventHandle* handler)
{
    std::lock_guard guard(lock_);
    startHandler_ = handler;
}

void CZebEventManager::UnsetEndHandler(IEventHandle* handler)
{
    std::lock_guard guard(lock_);
    if (endHandler_ == handler)
        endHandler_ = nullptr;
}

void CZebEventManager::UnsetStartHandler(IEventHandle* handler)
{
    std::lock_guard guard(lock_);
    if (startHandler_ == handler)
        startHandler_ = nullptr;
}

void CZebEventManager::OnThreadMessage(const ThreadMsgItem& item)
{
    std::unique_lock guard(lock_);
    eventThread_ = std::this_thread::get_id();
    dispatching_ = true;
    dispatchedRequestNumber = item.requestNumber;
    dispatchedGeneration = item.generation;
    // Decided once per dispatch: a login during the walk must not hand half the handlers an old reply.
    const bool outdated = item.requestNumber != 0 && item.generation < SessionGeneration::Current();
    if (startHandler_)
        startHandler_->OnEventCall(item.kind, item.param1, item.param2);
    // Cells registered during this dispatch belong to later events: a handler that re-registers
    // itself must not receive the same event twice. Cells stay in place until the walk is over.
    if (walkStale_) {
        walk_.clear();
        for (Cell& cell : handlers_)
            walk_.push_back(&cell);
        walkStale_ = false;
    }
    guard.unlock();

    for (Cell* cell : walk_) {
        if (IEventHandle* const handler = outdated ? nullptr : cell->load())
            handler->OnEventCall(item.kind, item.param1, item.param2);
    }

    guard.lock();
    if (deadCells_) {
        handlers_.remove_if([](const Cell& cell) { return cell.load() == nullptr; });
        deadCells_ = false;
        walkStale_ = true;
    }
    if (endHandler_)
        endHandler_->OnEventCall(item.kind, item.param1, item.param2);
    dispatching_ = false;
    dispatchedRequestNumber = 0;
    dispatchedGeneration = 0;
    ++dispatchesEnded_;
    if (unregisterWaiters_ > 0)
        dispatchEnded_.notify_all();
}

void CZebEventManager::OnThreadMessageDropped(const ThreadMsgItem& item)
{
    EndUndelivered(item.kind, item.param1, item.param2);
}

void CZebEventManager::EndUndelivered(int kind, std::uintptr_t param1, std::uintptr_t param2)
{
    std::lock_guard guard(lock_);
    if (endHandler_)
        endHandler_->OnEventCall(kind, param1, param2);
}
