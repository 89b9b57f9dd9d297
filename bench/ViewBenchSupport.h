// What the benchmarks of views share: a window off screen, a simulator with a generated list and a
// console signed in to it, waiting for the window with a deadline, a meter of how long the
// window's event loop was kept from running, and the moment a reply's event arrived.
#pragma once

#include "messaging/CZebEventManager.h"
#include "messaging/IEventHandle.h"
#include "support/ConsoleSession.h"
#include "support/SimProcess.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QObject>
#include <QTimer>

#include <json/value.h>

#include <stdlib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

using Clock = std::chrono::steady_clock;

inline double Milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

// Before the application is made: the window is drawn off screen unless QT_QPA_PLATFORM names a
// platform.
inline void PreferOffscreen()
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// A fresh folder of the benchmark's own under the system's temporary folder, for the files it writes.
inline std::filesystem::path MakeScratchFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "morvix-bench-XXXXXX").string();
    return ::mkdtemp(pattern.data());
}

// A simulator listing `count` made-up entries of a family, and a console that signs in to it once
// the list is made.
class GeneratedListServer {
public:
    GeneratedListServer(const std::string& family, Json::UInt64 count) : console(Generate(sim, family, count)) {}

    morvix::test::SimProcess sim;
    morvix::test::ConsoleSession console;

private:
    // The simulator's address, once it lists the entries.
    static std::string Generate(morvix::test::SimProcess& sim, const std::string& family, Json::UInt64 count)
    {
        Json::Value generate;
        generate["count"] = count;
        sim.setState(family, generate);
        return sim.host();
    }
};

// Ticks as often as the event loop lets it; a long gap between two ticks is a stall.
class StallMeter : public QObject {
public:
    StallMeter()
    {
        // A tick every millisecond: an interval of 0 would keep the loop spinning and take a
        // processor from the threads and the server being measured.
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(1);
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
