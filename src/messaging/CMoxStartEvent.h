#pragma once

#include "messaging/IEventHandle.h"

// The handler that runs before all others; it installs itself for as long as it lives.
class CMoxStartEvent : public IEventHandle {
public:
    CMoxStartEvent();
    CMoxStartEvent(const CMoxStartEvent&) = delete;
    CMoxStartEvent& operator=(const CMoxStartEvent&) = delete;
    ~CMoxStartEvent() override;

    int OnEventCall(int kind, std::uintptr_t param1, std::uintptr_t param2) override;
};
