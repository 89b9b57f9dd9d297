// What the benchmarks of views share: waiting for the window with a deadline, a meter of how long
// the window's event loop was kept from running, and the moment a reply's event arrived.
#pragma once

#include "messaging/CZebEventManager.h"
#include "messaging/IEventHandle.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QObject>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

using Clock = std::chrono::steady_clock;

inline double Milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

// Ticks as often as the event loop lets it; a long gap between two ticks is a stall.
class StallMeter : public QObject {
public:
    StallMeter()
    {
        timer_.setInterval(0);
        connect(&timer_, &QTimer::timeout, this, [this] { ticks_.push_back(Clock::now()); });
    }
    void Start()
    {
        ticks_.clear();
        timer_.start();
    }
    void Stop() { timer_.stop(); }
    // The longest gap that ended after `from`.
    Clock::duration LongestAfter(Clock::time_point from) const
    {
        Clock::duration longest{};
        for (std::size_t i = 1; i < ticks_.size(); ++i)
            if (ticks_[i] > from)
                longest = std::max(longest, ticks_[i] - ticks_[i - 1]);
        return longest;
    }

private:
    QTimer timer_;
    std::vector<Clock::time_point> ticks_;
};

// Notes when an event of one kind reaches the handlers, on the event thread.
class EventArrival : public IEventHandle {
public:
    explicit EventArrival(int kind) : kind_(kind) { CZebEventManager::Instance()->Register(this); }
    ~EventArrival() override { CZebEventManager::Instance()->Unregister(this); }
    int OnEventCall(int kind, std::uintptr_t, std::uintptr_t) override
    {
        if (kind == kind_)
            arrived_.store(Clock::now().time_since_epoch().count());
        return 0;
    }
    void Reset() { arrived_.store(0); }
    bool Arrived() const { return arrived_.load() != 0; }
    Clock::time_point When() const { return Clock::time_point(Clock::duration(arrived_.load())); }

private:
    const int kind_;
    std::atomic<Clock::rep> arrived_{0};
};

inline bool ProcessUntil(const std::function<bool()>& condition, int deadlineMs = 60000)
{
    QDeadlineTimer deadline(deadlineMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
