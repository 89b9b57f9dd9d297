// Events per second through the event manager (four registered handlers plus the console's start
// and end handlers, events posted from two threads) beside a bare mutex + condition-variable queue
// delivering the same events to the same four handlers. Each iteration runs both, back to back, so
// that load on the machine hits both alike; the counters give both rates and their ratio, and the
// processor time each event costs, which varies less than the rates when the machine is busy.

#include "messaging/CMoxEndEvent.h"
#include "messaging/CMoxStartEvent.h"
#include "messaging/CThreadRegistry.h"
#include "messaging/CZebEventManager.h"
#include "messaging/EventKinds.h"
#include "messaging/PostCacheEvent.h"

#include <benchmark/benchmark.h>

#include <array>
#include <atomic>
#include <chrono>
#include <ctime>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

namespace {

constexpr int kPosters = 2;
constexpr long kEventsPerPoster = 50000;
constexpr long kEventsPerRound = kPosters * kEventsPerPoster;

// Lets the timing thread sleep until the last handler has seen the round's last event.
class RoundEnd {
public:
    void Expect(long total)
    {
        std::lock_guard guard(lock_);
        target_ = total;
        reached_ = false;
    }

    void Delivered()
    {
        if (seen_.fetch_add(1, std::memory_order_relaxed) + 1 != target_.load())
            return;
        std::lock_guard guard(lock_);
        reached_ = true;
        done_.notify_one();
    }

    void Wait()
    {
        std::unique_lock guard(lock_);
        done_.wait(guard, [this] { return reached_; });
    }

private:
    std::atomic<long> seen_{0};
    std::atomic<long> target_{0};
    std::mutex lock_;
    std::condition_variable done_;
    bool reached_ = false;
};

class CountingHandler : public IEventHandle {
public:
    explicit CountingHandler(RoundEnd* roundEnd = nullptr) : roundEnd_(roundEnd) {}

    int OnEventCall(int kind, std::uintptr_t param1, std::uintptr_t param2) override
    {
        ++calls_;
        if (roundEnd_)
            roundEnd_->Delivered();
        return 0;
    }

private:
    RoundEnd* const roundEnd_;
    long calls_ = 0;
};

// The same four handlers for both queues; the last one ends the round.
struct Handlers {
    RoundEnd roundEnd;
    std::array<CountingHandler, 3> first;
    CountingHandler last{&roundEnd};

    std::vector<IEventHandle*> All() { return {&first[0], &first[1], &first[2], &last}; }
};

// The baseline: the least a queue with one consumer thread can do.
class BareQueue {
public:
    explicit BareQueue(std::vector<IEventHandle*> handlers)
        : handlers_(std::move(handlers)), consumer_([this] { Consume(); })
    {
    }

    ~BareQueue()
    {
        {
            std::lock_guard guard(lock_);
            quit_ = true;
        }
        wake_.notify_one();
        consumer_.join();
    }

    void Post(int kind, std::uintptr_t param1, std::uintptr_t param2)
    {
        {
            std::lock_guard guard(lock_);
            events_.push_back({kind, param1, param2});
        }
        wake_.notify_one();
    }

private:
    struct Event {
        int kind;
        std::uintptr_t param1;
        std::uintptr_t param2;
    };

    void Consume()
    {
        for (;;) {
            Event event;
            {
                std::unique_lock guard(lock_);
                wake_.wait(guard, [this] { return quit_ || !events_.empty(); });
                if (events_.empty())
                    return;
                event = events_.front();
                events_.pop_front();
            }
            for (IEventHandle* handler : handlers_)
                handler->OnEventCall(event.kind, event.param1, event.param2);
        }
    }

    const std::vector<IEventHandle*> handlers_;
    std::mutex lock_;
    std::condition_variable wake_;
    std::deque<Event> events_;
    bool quit_ = false;
    std::thread consumer_;
};

double ProcessCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

struct RoundCost {
    double seconds = 0;
    double cpuSeconds = 0;

    RoundCost& operator+=(const RoundCost& other)
    {
        seconds += other.seconds;
        cpuSeconds += other.cpuSeconds;
        return *this;
    }
};

// Posts one round from two threads; measured until the last handler has seen it.
template <class PostOne>
RoundCost TimeRound(RoundEnd& roundEnd, long& delivered, PostOne postOne)
{
    delivered += kEventsPerRound;
    roundEnd.Expect(delivered);
    const double cpuStart = ProcessCpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::thread> posters;
    for (int p = 0; p < kPosters; ++p) {
        posters.emplace_back([&] {
            for (long i = 0; i < kEventsPerPoster; ++i)
                postOne();
        });
    }
    for (std::thread& poster : posters)
        poster.join();
    roundEnd.Wait();
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
            ProcessCpuSeconds() - cpuStart};
}

void BM_EventDispatch(benchmark::State& state)
{
    CThreadRegistry::Create();
    Handlers managerHandlers;
    Handlers bareHandlers;
    RoundCost managerCost;
    RoundCost bareCost;
    {
        CMoxStartEvent startHandler;
        CMoxEndEvent endHandler;
        for (IEventHandle* handler : managerHandlers.All())
            CZebEventManager::Instance()->Register(handler);
        BareQueue bareQueue(bareHandlers.All());
        long managerDelivered = 0;
        long bareDelivered = 0;

        // A failed exchange: the commonest event without a record.
        const int kind = eMoxCacheEvent_FCacheAdd;
        const std::uintptr_t status = eMoxEventStatus_NetworkError;
        for (auto _ : state) {
            const RoundCost manager = TimeRound(managerHandlers.roundEnd, managerDelivered,
                                                [&] { PostCacheEvent(kind, status, 0); });
            const RoundCost bare = TimeRound(bareHandlers.roundEnd, bareDelivered,
                                             [&] { bareQueue.Post(kind, status, 0); });
            state.SetIterationTime(manager.seconds);
            managerCost += manager;
            bareCost += bare;
        }
        for (IEventHandle* handler : managerHandlers.All())
            CZebEventManager::Instance()->Unregister(handler);
    }
    CZebEventManager::DestroyInstance();
    CThreadRegistry::Destroy();

    const double events = static_cast<double>(state.iterations()) * kEventsPerRound;
    state.counters["manager_events_per_s"] = events / managerCost.seconds;
    state.counters["bare_queue_events_per_s"] = events / bareCost.seconds;
    state.counters["manager_to_bare_ratio"] = bareCost.seconds / managerCost.seconds;
    state.counters["manager_cpu_ns_per_event"] = managerCost.cpuSeconds * 1e9 / events;
    state.counters["bare_queue_cpu_ns_per_event"] = bareCost.cpuSeconds * 1e9 / events;
}

BENCHMARK(BM_EventDispatch)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
