#include "controls/CEventHandOver.h"

#include "messaging/CMoxEventParam.h"
#include "messaging/EventKinds.h"

#include <QCoreApplication>
#include <QPointer>

#include <deque>
#include <memory>
#include <mutex>
#include <optional>

namespace {

struct ReleaseRecord {
    void operator()(CMoxEventParam* record) const { record->Release(); }
};
using HeldRecord = std::unique_ptr<CMoxEventParam, ReleaseRecord>;

HeldRecord TakeReference(std::uintptr_t value)
{
    auto* record = reinterpret_cast<CMoxEventParam*>(value);
    if (record)
        record->AddRef();
    return HeldRecord(record);
}

}  // namespace

CEventHandOver::RecordIn CEventHandOver::RecordSlotOfKind(int kind)
{
    // Kinds without a record carry plain numbers (an error number, an operation kind) in param2.
    switch (EndReleaseOf(kind)) {
    case eMoxEventRecordSlot::Param1:
        return RecordIn::Param1;
    case eMoxEventRecordSlot::Param2:
        return RecordIn::Param2;
    case eMoxEventRecordSlot::None:
        break;
    }
    return RecordIn::None;
}

namespace {

// One event on its way to a widget.
struct PendingCall {
    QPointer<QObject> widget;
    HeldRecord record;  // dropped with the call, whether it ran or not
    CEventHandOver::Work work;
    int kind;
    std::uintptr_t param1;
    std::uintptr_t param2;
};

// The calls travel through a queue of our own, guarded by our own lock: the posted Qt call only
// says "run the next one". Qt's queue then orders the delivery as before, and every value of the
// call passes a lock that thread checkers see (Qt's own lock sits in a library built without them).
class PendingCalls {
public:
    void Push(PendingCall call)
    {
        std::lock_guard guard(lock_);
        if (!cleanupRegistered_) {
            // Calls whose delivery never comes drop their references with the application.
            qAddPostRoutine([] { Instance().Clear(); });
            cleanupRegistered_ = true;
        }
        calls_.push_back(std::move(call));
    }

    std::optional<PendingCall> PopFront()
    {
        std::lock_guard guard(lock_);
        if (calls_.empty())
            return std::nullopt;
        PendingCall call = std::move(calls_.front());
        calls_.pop_front();
        return call;
    }

    static PendingCalls& Instance()
    {
        static PendingCalls calls;
        return calls;
    }

private:
    void Clear()
    {
        std::deque<PendingCall> dropped;
        {
            std::lock_guard guard(lock_);
            dropped.swap(calls_);
            // The routine runs once per application; a later application registers it again.
            cleanupRegistered_ = false;
        }
    }

    std::mutex lock_;
    std::deque<PendingCall> calls_;
    bool cleanupRegistered_ = false;
};

}  // namespace

void CEventHandOver::Post(QObject* widget, int kind, std::uintptr_t param1, std::uintptr_t param2, RecordIn recordIn,
                          Work work)
{
    const std::uintptr_t recordValue =
        recordIn == RecordIn::Param1 ? param1 : recordIn == RecordIn::Param2 ? param2 : 0;
    HeldRecord record = TakeReference(recordValue);
    QCoreApplication* application = QCoreApplication::instance();
    if (!application || !widget)
        return;
    // Posted to the application object, which outlives every widget: the guard then tells whether
    // the widget is still there when the call is delivered. One posted call runs one queued call,
    // so the calls keep their order and a modal loop inside one still delivers the next.
    PendingCalls::Instance().Push({QPointer<QObject>(widget), std::move(record), std::move(work), kind, param1, param2});
    QMetaObject::invokeMethod(
        application,
        [] {
            std::optional<PendingCall> call = PendingCalls::Instance().PopFront();
            if (call && call->widget)
                call->work(call->kind, call->param1, call->param2);
        },
        Qt::QueuedConnection);
}
