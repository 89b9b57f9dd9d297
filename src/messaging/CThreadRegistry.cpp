#include "messaging/CThreadRegistry.h"

#include "messaging/CZebThread.h"

#include <mutex>
#include <new>
#include <shared_mutex>

namespace {

// The lock outlives the registry, so a post racing Destroy finds either the registry or nothing.
// Posting holds it shared, so that posters do not queue behind one another, and takes a queue's
// lock inside; nothing nests them the other way round. A thread leaves the table and is told to
// quit under the exclusive lock, so a poster never reaches a thread that may have gone.
std::shared_mutex registryLock;
CThreadRegistry* registry = nullptr;

}  // namespace

bool CThreadRegistry::Create()
{
    std::lock_guard guard(registryLock);
    if (!registry)
        registry = new (std::nothrow) CThreadRegistry;
    return registry != nullptr;
}

void CThreadRegistry::Destroy()
{
    std::lock_guard guard(registryLock);
    if (!registry)
        return;
    for (const auto& [id, thread] : registry->threads_)
        thread->Quit();
    delete registry;
    registry = nullptr;
}

bool CThreadRegistry::Exists()
{
    std::shared_lock guard(registryLock);
    return registry != nullptr;
}

std::uint32_t CThreadRegistry::StartThread(IThreadMessage* owner)
{
    // Held from the start to the insertion, so that Destroy cannot miss a thread that just started.
    std::lock_guard guard(registryLock);
    if (!registry)
        return 0;
    auto* thread = new CZebThread(owner);
    const std::uint32_t id = thread->Start();
    if (id == 0) {
        delete thread;
        return 0;
    }
    registry->threads_.emplace(id, thread);
    return id;
}

bool CThreadRegistry::PostToThread(std::uint32_t threadId, IThreadMessage* target, int kind,
                                   std::uintptr_t param1, std::uintptr_t param2, unsigned long requestNumber,
                                   unsigned long generation)
{
    if (threadId == 0)
        return false;
    std::shared_lock guard(registryLock);
    if (!registry)
        return false;
    const auto found = registry->threads_.find(threadId);
    if (found == registry->threads_.end())
        return false;
    const ThreadMsgItem item{target, kind, param1, param2, requestNumber, generation};
    found->second->PostMsg(&item);
    return true;
}

void CThreadRegistry::StopThread(std::uint32_t threadId)
{
    if (threadId == 0)
        return;
    std::lock_guard guard(registryLock);
    if (!registry)
        return;
    const auto found = registry->threads_.find(threadId);
    if (found == registry->threads_.end())
        return;
    CZebThread* const thread = found->second;
    registry->threads_.erase(found);
    thread->Quit();
}
