#include "transport/CMoxHttpListLock.h"

#include <memory>
#include <utility>
#include <vector>

namespace nsMoxHttp {

namespace {

using Work = std::vector<std::function<void()>>;

// Trivially destructible on purpose: the manager may still take the lock during static
// destruction at exit, after the main thread's thread-local objects are gone.
struct HeldByThisThread {
    int depth = 0;
    Work* pending = nullptr;
};

thread_local HeldByThisThread held;

}  // namespace

void CMoxHttpListLock::lock()
{
    mutex_.lock();
    ++held.depth;
}

void CMoxHttpListLock::unlock()
{
    if (--held.depth > 0) {
        mutex_.unlock();
        return;
    }
    std::unique_ptr<Work> pending(std::exchange(held.pending, nullptr));
    mutex_.unlock();
    if (pending) {
        for (auto& work : *pending)
            work();
    }
}

void CMoxHttpListLock::AfterRelease(std::function<void()> work)
{
    if (held.depth == 0) {
        work();
        return;
    }
    if (!held.pending)
        held.pending = new Work;
    held.pending->push_back(std::move(work));
}

}  // namespace nsMoxHttp
