#pragma once

#include <QObject>

#include <cstdint>
#include <functional>

// Carries an event from the event thread to a widget on the user-interface thread. A view's
// OnEventCall calls Post and returns at once; the work runs later on the user-interface thread.
//
// The record named by `recordIn` gets a reference of its own that is dropped on every path:
// after the work ran, when the widget was deleted before the call was delivered, and when the
// application object is gone. Records travel as CMoxEventParam* converted to an integer.
class CEventHandOver {
public:
    enum class RecordIn { None, Param1, Param2 };

    // Runs with the event's own values; the record is alive until it returns.
    using Work = std::function<void(int kind, std::uintptr_t param1, std::uintptr_t param2)>;

    // Where a kind's record travels when it has one: param1 for kinds 1 to 6, param2 otherwise.
    // Only the caller knows whether param2 holds a record for this status, so it says so itself.
    static RecordIn RecordSlotOfKind(int kind);

    // Call on the event thread while `widget` is alive (its handler is still registered).
    static void Post(QObject* widget, int kind, std::uintptr_t param1, std::uintptr_t param2, RecordIn recordIn,
                     Work work);
};
