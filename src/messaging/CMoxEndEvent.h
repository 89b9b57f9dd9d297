#pragma once

#include "messaging/IEventHandle.h"

// The handler that runs after all others and drops the event's reference to its record, as
// EndReleaseOf (EventKinds.h) says; it installs itself for as long as it lives.
class CMoxEndEvent : public IEventHandle {
public:
    CMoxEndEvent();
    CMoxEndEvent(const CMoxEndEvent&) = delete;
    CMoxEndEvent& operator=(const CMoxEndEvent&) = delete;
    ~CMoxEndEvent() override;

    int OnEventCall(int kind, std::uintptr_t param1, std::uintptr_t param2) override;
};
