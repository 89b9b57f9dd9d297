#pragma once

#include "messaging/CMoxEventParam.h"
#include "messaging/IEventHandle.h"

#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace morvix::test {

// Registers with the event manager and keeps every event it sees, holding a reference on each
// record until it is destroyed, so that tests can inspect results after the dispatch. A recorder
// that holds no records keeps only the status texts, so records are freed as soon as their
// dispatch ends, as they are in the console.
class EventRecorder : public IEventHandle {
public:
    enum class Holding { Records, TextsOnly };

    struct Event {
        int kind = 0;
        std::uintptr_t param1 = 0;
        std::uintptr_t param2 = 0;
        CMoxEventParam* record = nullptr;  // the record the event carries, if any

        int Status() const { return static_cast<int>(param1); }
        template <class Record>
        Record* As() const
        {
            return dynamic_cast<Record*>(record);
        }
    };

    explicit EventRecorder(Holding holding = Holding::Records);
    ~EventRecorder() override;

    int OnEventCall(int kind, std::uintptr_t param1, std::uintptr_t param2) override;

    // The next event of this kind not yet taken by an earlier call, waiting up to the deadline.
    std::optional<Event> Next(int kind, std::chrono::milliseconds deadline = std::chrono::seconds(10));
    // Every status-bar text so far, in posting order, copied when it was dispatched.
    std::vector<std::string> StatusTexts() const;
    std::size_t CountStatusText(const std::string& text) const;
    // Waits until a status-bar text equal to this one has been posted.
    bool WaitForStatusText(const std::string& text, std::chrono::milliseconds deadline = std::chrono::seconds(10));
    std::vector<Event> Events() const;
    std::size_t Count(int kind) const;

private:
    mutable std::mutex lock_;
    std::vector<Event> events_;
    std::vector<bool> taken_;
    std::vector<std::string> statusTexts_;
    Holding holding_;
};

}  // namespace morvix::test
