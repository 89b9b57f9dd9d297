#include "controls/CEventHandOver.h"

#include "messaging/CMoxEventParam.h"
#include "messaging/EventKinds.h"

#include <QCoreApplication>
#include <QPointer>

#include <memory>

namespace {

struct ReleaseRecord {
    void operator()(CMoxEventParam* record) const { record->Release(); }
};
using RecordReference = std::unique_ptr<CMoxEventParam, ReleaseRecord>;

RecordReference TakeReference(std::uintptr_t value)
{
    auto* record = reinterpret_cast<CMoxEventParam*>(value);
    if (record)
        record->AddRef();
    return RecordReference(record);
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

void CEventHandOver::Post(QObject* widget, int kind, std::uintptr_t param1, std::uintptr_t param2, RecordIn recordIn,
                          Work work)
{
    const std::uintptr_t recordValue =
        recordIn == RecordIn::Param1 ? param1 : recordIn == RecordIn::Param2 ? param2 : 0;
    // Shared so that the queued functor stays copyable; whichever copy dies last drops the reference.
    std::shared_ptr<CMoxEventParam> record = TakeReference(recordValue);
    QCoreApplication* application = QCoreApplication::instance();
    if (!application || !widget)
        return;
    // Posted to the application object, which outlives every widget: the guard then tells whether
    // the widget is still there when the call is delivered. An undelivered call is destroyed with
    // the application's queue, which drops the reference too.
    QPointer<QObject> guard(widget);
    QMetaObject::invokeMethod(
        application,
        [guard, record = std::move(record), work = std::move(work), kind, param1, param2] {
            if (guard)
                work(kind, param1, param2);
        },
        Qt::QueuedConnection);
}
