#pragma once

#include "messaging/CMoxEventParam.h"
#include "messaging/IEventHandle.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

// Every event the core posts, kept in order with a reference on its record, for morvixctl's main
// thread to wait on.
class CtlEventQueue : public IEventHandle {
public:
    struct Event {
        std::uint64_t sequence = 0;
        int kind = 0;
        std::uintptr_t param1 = 0;
        std::uintptr_t param2 = 0;
        std::shared_ptr<CMoxEventParam> record;  // holds a reference of its own
        unsigned long requestNumber = 0;         // of the exchange the event completes, 0 for none

        int Status() const { return static_cast<int>(param1); }
    };

    CtlEventQueue();
    ~CtlEventQueue() override;
    CtlEventQueue(const CtlEventQueue&) = delete;
    CtlEventQueue& operator=(const CtlEventQueue&) = delete;

    int OnEventCall(int kind, std::uintptr_t param1, std::uintptr_t param2) override;

    // The sequence number the next event will get: later waits and texts start from it.
    std::uint64_t Mark() const;
    // The first event from `from` on that matches, waiting until the deadline; events before it
    // stay queued. Gives up early when `stop` becomes true.
    std::optional<Event> WaitFor(std::uint64_t from, const std::function<bool(const Event&)>& match,
                                 std::chrono::steady_clock::time_point deadline, const std::function<bool()>& stop);
    // Drops the events before `until` (their records are released).
    void Forget(std::uint64_t until);
    // The status-bar texts posted from `from` on, in order.
    std::vector<std::string> StatusTexts(std::uint64_t from) const;

private:
    mutable std::mutex lock_;
    std::condition_variable arrived_;
    std::vector<Event> events_;
    std::uint64_t next_ = 0;
};
