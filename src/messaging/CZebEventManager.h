#pragma once

#include "messaging/IThreadMessage.h"
#include "messaging/IZebEventManager.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <list>
#include <mutex>
#include <thread>
#include <vector>

// The one event manager of the process. Events go to its worker thread (through the thread
// registry) and there reach the start handler, every registered handler in registration order, and
// the end handler, which drops the event's reference to its record.
//
// Locks: lock_ guards the handler list and is held while the start and end handlers run (so records
// are released inside it), never while a registered handler runs and never while posting; the walk
// reads each cell atomically instead. threadLock_ guards the worker's start and end; starting takes
// the registry's lock inside it.
class CZebEventManager final : public IThreadMessage, public IZebEventManager {
public:
    // Made on first use.
    static CZebEventManager* Instance();
    // Never makes one: for handlers that unhook themselves late at exit.
    static CZebEventManager* Existing();
    // Makes the manager if needed and posts, keeping it alive for the duration of the post.
    static bool Post(int kind, std::uintptr_t param1, std::uintptr_t param2, unsigned long requestNumber = 0,
                     unsigned long generation = 0);
    // On the event thread, while a handler runs: the request number of the exchange the event
    // completes, 0 when it completes none.
    static unsigned long DispatchedRequestNumber();
    // The same: the session generation of the event (of its request, for a completion).
    static unsigned long DispatchedGeneration();
    // At exit (and between tests): stops the worker, waits until it has finished the event in hand,
    // ends the events still queued through the end handler, then frees the manager. Never call it
    // from a handler.
    static void DestroyInstance();

    // Starts the worker once; false without a thread registry, after Stop or when the thread could
    // not be made (a later post tries again).
    bool Start() override;
    // Ends the worker for good: later events are not delivered, only ended.
    void Stop() override;
    // Registering twice has no further effect.
    void Register(IEventHandle* handler) override;
    // Takes effect at once, also for the rest of the event being dispatched. From any thread other
    // than the event thread it returns only once that dispatch is over, so the caller may destroy
    // the handler.
    void Unregister(IEventHandle* handler) override;
    // True when the event was queued. An event that cannot be delivered is ended at once through
    // the end handler, so its record is not lost.
    // A completion of an older session generation than the current one, when its turn comes, reaches
    // only the start and end handlers.
    bool PostEvent(int kind, std::uintptr_t param1, std::uintptr_t param2, unsigned long requestNumber = 0,
                   unsigned long generation = 0) override;
    void SetEndHandler(IEventHandle* handler) override;
    void SetStartHandler(IEventHandle* handler) override;
    // Clear the start or end handler only if it is still this one, so that a handler going away
    // does not unhook its successor.
    void UnsetEndHandler(IEventHandle* handler);
    void UnsetStartHandler(IEventHandle* handler);

    void OnThreadMessage(const ThreadMsgItem& item) override;
    void OnThreadMessageDropped(const ThreadMsgItem& item) override;
    void OnThreadExit(std::uint32_t threadId) override;

private:
    CZebEventManager() = default;
    ~CZebEventManager() override = default;

    void Shutdown();
    std::uint32_t EventThreadId();
    bool StartLocked();
    void EndUndelivered(int kind, std::uintptr_t param1, std::uintptr_t param2);

    using Cell = std::atomic<IEventHandle*>;  // null once unregistered; removed after a dispatch

    std::recursive_mutex lock_;
    std::condition_variable_any dispatchEnded_;
    std::list<Cell> handlers_;
    std::vector<Cell*> walk_;  // event thread only: the cells to visit, rebuilt when the list changes
    bool walkStale_ = false;   // a cell was added or removed since walk_ was built
    bool deadCells_ = false;   // a cell was nulled and awaits removal
    IEventHandle* startHandler_ = nullptr;
    IEventHandle* endHandler_ = nullptr;
    bool dispatching_ = false;
    std::uint64_t dispatchesEnded_ = 0;
    int unregisterWaiters_ = 0;
    std::thread::id eventThread_;

    std::mutex threadLock_;
    std::condition_variable threadExited_;
    std::atomic<std::uint32_t> eventThreadId_{0};
    bool stopped_ = false;
    bool threadRunning_ = false;
};
