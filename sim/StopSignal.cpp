#include "StopSignal.h"

namespace morvix::sim {

void StopSignal::raise()
{
    {
        std::lock_guard lock(mutex_);
        raised_ = true;
    }
    changed_.notify_all();
}

bool StopSignal::raised() const
{
    std::lock_guard lock(mutex_);
    return raised_;
}

bool StopSignal::waitFor(std::chrono::steady_clock::duration duration) const
{
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, duration, [this] { return raised_; });
}

}  // namespace morvix::sim
