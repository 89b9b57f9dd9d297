#include "CtlEventQueue.h"

#include "messaging/CMoxUpdateStatusBarEventParam.h"
#include "messaging/CZebEventManager.h"
#include "messaging/EventKinds.h"

#include <algorithm>

namespace {

// How often a wait looks at its stop condition (an interrupt), besides every arrival.
constexpr auto kStopPoll = std::chrono::milliseconds(100);

std::shared_ptr<CMoxEventParam> Held(std::uintptr_t param)
{
    if (param == 0)
        return nullptr;
    CMoxEventParam* record = CMoxEventParam::FromParam(param);
    record->AddRef();
    return std::shared_ptr<CMoxEventParam>(record, [](CMoxEventParam* held) { held->Release(); });
}

}  // namespace

CtlEventQueue::CtlEventQueue()
{
    CZebEventManager::Instance()->Register(this);
}

CtlEventQueue::~CtlEventQueue()
{
    if (CZebEventManager* manager = CZebEventManager::Existing())
        manager->Unregister(this);
}

int CtlEventQueue::OnEventCall(int kind, std::uintptr_t param1, std::uintptr_t param2)
{
    Event event{0, kind, param1, param2, nullptr, CZebEventManager::DispatchedRequestNumber()};
    switch (EndReleaseOf(kind)) {
    case eMoxEventRecordSlot::Param1:
        event.record = Held(param1);
        break;
    case eMoxEventRecordSlot::Param2:
        event.record = Held(param2);
        break;
    case eMoxEventRecordSlot::None:
        break;
    }
    {
        std::lock_guard guard(lock_);
        event.sequence = next_++;
        events_.push_back(std::move(event));
    }
    arrived_.notify_all();
    return 0;
}

std::uint64_t CtlEventQueue::Mark() const
{
    std::lock_guard guard(lock_);
    return next_;
}

std::optional<CtlEventQueue::Event> CtlEventQueue::WaitFor(std::uint64_t from,
                                                           const std::function<bool(const Event&)>& match,
                                                           std::chrono::steady_clock::time_point deadline,
                                                           const std::function<bool()>& stop)
{
    std::unique_lock guard(lock_);
    for (;;) {
        for (const Event& event : events_)
            if (event.sequence >= from && match(event))
                return event;
        if (stop() || std::chrono::steady_clock::now() >= deadline)
            return std::nullopt;
        arrived_.wait_until(guard, std::min(deadline, std::chrono::steady_clock::now() + kStopPoll));
    }
}

void CtlEventQueue::Forget(std::uint64_t until)
{
    std::vector<Event> dropped;  // released after the lock
    {
        std::lock_guard guard(lock_);
        const auto firstKept = std::find_if(events_.begin(), events_.end(),
                                            [&](const Event& event) { return event.sequence >= until; });
        dropped.assign(std::make_move_iterator(events_.begin()), std::make_move_iterator(firstKept));
        events_.erase(events_.begin(), firstKept);
    }
}

std::vector<std::string> CtlEventQueue::StatusTexts(std::uint64_t from) const
{
    std::lock_guard guard(lock_);
    std::vector<std::string> texts;
    for (const Event& event : events_)
        if (event.sequence >= from && event.kind == eMoxCacheEvent_UpdateStatusBar)
            if (auto* status = dynamic_cast<const CMoxUpdateStatusBarEventParam*>(event.record.get()))
                texts.push_back(status->Text());
    return texts;
}
