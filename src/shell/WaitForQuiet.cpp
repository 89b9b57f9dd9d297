#include "shell/WaitForQuiet.h"

#include "messaging/CZebEventManager.h"
#include "messaging/IEventHandle.h"
#include "messaging/PostCacheEvent.h"
#include "transport/CMoxHttpManager.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

// A kind no handler knows; it carries no record.
constexpr int kQuietMarkerEvent = 0x7E5A0001;
constexpr auto kPollInterval = std::chrono::milliseconds(2);

// Events are dispatched one at a time in posting order, so once a marker has been seen, every
// event posted before it has been through every handler.
class EventQueueMarker : public IEventHandle {
public:
    EventQueueMarker() { CZebEventManager::Instance()->Register(this); }
    ~EventQueueMarker() override
    {
        if (CZebEventManager* manager = CZebEventManager::Existing())
            manager->Unregister(this);
    }

    int OnEventCall(int kind, std::uintptr_t param1, std::uintptr_t) override
    {
        if (kind == kQuietMarkerEvent && param1 == reinterpret_cast<std::uintptr_t>(this)) {
            std::lock_guard guard(lock_);
            seen_ = true;
            seenChanged_.notify_all();
        }
        return 0;
    }

    bool PassBefore(std::chrono::steady_clock::time_point end)
    {
        {
            std::lock_guard guard(lock_);
            seen_ = false;
        }
        if (!PostCacheEvent(kQuietMarkerEvent, reinterpret_cast<std::uintptr_t>(this), 0))
            return false;
        std::unique_lock guard(lock_);
        return seenChanged_.wait_until(guard, end, [&] { return seen_; });
    }

private:
    std::mutex lock_;
    std::condition_variable seenChanged_;
    bool seen_ = false;
};

bool ExchangesEndBefore(std::chrono::steady_clock::time_point end)
{
    const nsMoxHttp::CMoxHttpManager& http = nsMoxHttp::CMoxHttpManager::Instance();
    while (http.RunningExchanges() != 0) {
        if (std::chrono::steady_clock::now() >= end)
            return false;
        std::this_thread::sleep_for(kPollInterval);
    }
    return true;
}

}  // namespace

bool WaitForQuiet(std::chrono::milliseconds deadline)
{
    const auto end = std::chrono::steady_clock::now() + deadline;
    EventQueueMarker marker;
    // First the handlers of what is queued (they may send requests), then the replies, then the
    // events those replies posted.
    return marker.PassBefore(end) && ExchangesEndBefore(end) && marker.PassBefore(end);
}
