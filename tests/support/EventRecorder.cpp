#include "support/EventRecorder.h"

#include "messaging/CMoxUpdateStatusBarEventParam.h"
#include "messaging/CZebEventManager.h"
#include "messaging/EventKinds.h"
#include "support/WaitUntil.h"

#include <algorithm>

namespace morvix::test {

EventRecorder::EventRecorder(Holding holding) : holding_(holding)
{
    CZebEventManager::Instance()->Register(this);
}

EventRecorder::~EventRecorder()
{
    if (CZebEventManager* manager = CZebEventManager::Existing())
        manager->Unregister(this);
    for (Event& event : events_)
        if (event.record)
            event.record->Release();
}

int EventRecorder::OnEventCall(int kind, std::uintptr_t param1, std::uintptr_t param2)
{
    Event event{kind, param1, param2, nullptr};
    switch (EndReleaseOf(kind)) {
    case eMoxEventRecordSlot::Param1:
        event.record = reinterpret_cast<CMoxEventParam*>(param1);
        break;
    case eMoxEventRecordSlot::Param2:
        event.record = reinterpret_cast<CMoxEventParam*>(param2);
        break;
    case eMoxEventRecordSlot::None:
        break;
    }
    std::lock_guard guard(lock_);
    if (auto* status = dynamic_cast<CMoxUpdateStatusBarEventParam*>(event.record))
        statusTexts_.push_back(status->Text());
    if (holding_ == Holding::TextsOnly)
        event.record = nullptr;
    if (event.record)
        event.record->AddRef();
    events_.push_back(event);
    taken_.push_back(false);
    return 0;
}

std::optional<EventRecorder::Event> EventRecorder::Next(int kind, std::chrono::milliseconds deadline)
{
    std::optional<Event> found;
    WaitUntil(
        [&] {
            std::lock_guard guard(lock_);
            for (std::size_t i = 0; i < events_.size(); ++i) {
                if (events_[i].kind == kind && !taken_[i]) {
                    taken_[i] = true;
                    found = events_[i];
                    return true;
                }
            }
            return false;
        },
        deadline);
    return found;
}

std::vector<std::string> EventRecorder::StatusTexts() const
{
    std::lock_guard guard(lock_);
    return statusTexts_;
}

std::size_t EventRecorder::CountStatusText(const std::string& text) const
{
    std::lock_guard guard(lock_);
    return static_cast<std::size_t>(std::count(statusTexts_.begin(), statusTexts_.end(), text));
}

bool EventRecorder::WaitForStatusText(const std::string& text, std::chrono::milliseconds deadline)
{
    return WaitUntil(
        [&] {
            for (const std::string& shown : StatusTexts())
                if (shown == text)
                    return true;
            return false;
        },
        deadline);
}

std::vector<EventRecorder::Event> EventRecorder::Events() const
{
    std::lock_guard guard(lock_);
    return events_;
}

std::size_t EventRecorder::Count(int kind) const
{
    std::lock_guard guard(lock_);
    std::size_t count = 0;
    for (const Event& event : events_)
        count += event.kind == kind ? 1 : 0;
    return count;
}

}  // namespace morvix::test
