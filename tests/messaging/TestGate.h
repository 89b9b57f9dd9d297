#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace morvix::test {

// Holds a worker inside a delivery until the test opens it, so that the test can queue messages
// behind it or stop the worker while it is busy.
class TestGate {
public:
    void Open()
    {
        {
            std::lock_guard guard(lock_);
            open_ = true;
        }
        opened_.notify_all();
    }

    bool WaitOpen(std::chrono::milliseconds deadline = std::chrono::seconds(10))
    {
        std::unique_lock guard(lock_);
        return opened_.wait_for(guard, deadline, [this] { return open_; });
    }

private:
    std::mutex lock_;
    std::condition_variable opened_;
    bool open_ = false;
};

}  // namespace morvix::test
