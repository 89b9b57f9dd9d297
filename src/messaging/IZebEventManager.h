#pragma once

#include "messaging/IEventHandle.h"

#include <cstdint>

// Delivers every posted event to every registered handler, one event at a time, on one thread.
class IZebEventManager {
public:
    virtual ~IZebEventManager() = default;

    virtual bool Start() = 0;
    virtual void Stop() = 0;
    virtual void Register(IEventHandle* handler) = 0;
    virtual void Unregister(IEventHandle* handler) = 0;
    // requestNumber: the exchange the event completes (0 for none); generation: the session
    // generation its request was sent in (0: the current one). Handlers read both while the event is
    // dispatched.
    virtual bool PostEvent(int kind, std::uintptr_t param1, std::uintptr_t param2, unsigned long requestNumber = 0,
                           unsigned long generation = 0) = 0;
    virtual void SetEndHandler(IEventHandle* handler) = 0;
    virtual void SetStartHandler(IEventHandle* handler) = 0;
};
