#pragma once

#include <functional>
#include <mutex>

namespace nsMoxHttp {

// The task list's lock. Waiting for a listener to return must not happen while the list is
// locked, because the listener may itself need the list (to remove its task); such work is
// therefore put off until the waiting thread lets go of the lock. There is one per process.
class CMoxHttpListLock {
public:
    void lock();
    void unlock();

    // Runs work now when this thread does not hold the lock, otherwise as soon as it lets go.
    static void AfterRelease(std::function<void()> work);

private:
    std::recursive_mutex mutex_;
};

}  // namespace nsMoxHttp
