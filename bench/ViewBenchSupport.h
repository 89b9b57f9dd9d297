// What the benchmarks of views share: waiting for the window with a deadline, and a meter of how
// long the window's event loop was kept from running.
#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QObject>
#include <QTimer>

#include <algorithm>
#include <chrono>
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

inline bool ProcessUntil(const std::function<bool()>& condition, int deadlineMs = 60000)
{
    QDeadlineTimer deadline(deadlineMs);
    // The loop sleeps until an event comes (the timer wakes it to look at the condition): a loop
    // that spun would take a processor from the threads and the server being measured.
    QTimer wake;
    wake.start(1);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
