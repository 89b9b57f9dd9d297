#pragma once

#include "messaging/CZebEventManager.h"
#include "messaging/IEventHandle.h"

#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace morvix::test {

struct SeenEvent {
    std::string handler;
    int kind;
    std::uintptr_t param1;
    std::uintptr_t param2;
};

// What every handler of one test saw, in the order the calls happened.
class EventLog {
public:
    void Add(SeenEvent event)
    {
        std::lock_guard guard(lock_);
        events_.push_back(std::move(event));
    }

    std::vector<SeenEvent> Events() const
    {
        std::lock_guard guard(lock_);
        return events_;
    }

    std::vector<std::string> Handlers() const
    {
        std::vector<std::string> names;
        for (const SeenEvent& event : Events())
            names.push_back(event.handler);
        return names;
    }

    std::vector<int> KindsSeenBy(const std::string& handler) const
    {
        std::vector<int> kinds;
        for (const SeenEvent& event : Events()) {
            if (event.handler == handler)
                kinds.push_back(event.kind);
        }
        return kinds;
    }

    std::size_t Size() const
    {
        std::lock_guard guard(lock_);
        return events_.size();
    }

private:
    mutable std::mutex lock_;
    std::vector<SeenEvent> events_;
};

// A handler that behaves like the console's: registered from construction to destruction
// (unless it stands in for the start or end handler), logging every call.
class RecordingHandler : public IEventHandle {
public:
    enum class Registration { Registered, Unregistered };

    RecordingHandler(std::string name, EventLog& log, Registration registration = Registration::Registered)
        : name_(std::move(name)), log_(log)
    {
        if (registration == Registration::Registered)
            CZebEventManager::Instance()->Register(this);
    }

    ~RecordingHandler() override
    {
        if (CZebEventManager* manager = CZebEventManager::Existing())
            manager->Unregister(this);
    }

    // Runs on the event thread before the call is logged, so that whatever it did is visible to a
    // test that has seen the log entry. Set it before the first post.
    std::function<void(int kind, std::uintptr_t param1, std::uintptr_t param2)> onEvent;

    int OnEventCall(int kind, std::uintptr_t param1, std::uintptr_t param2) override
    {
        if (onEvent)
            onEvent(kind, param1, param2);
        log_.Add({name_, kind, param1, param2});
        return 0;
    }

private:
    const std::string name_;
    EventLog& log_;
};

}  // namespace morvix::test
