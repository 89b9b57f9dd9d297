#pragma once

#include <cstdint>

// Receives every event on the one event thread. Parameters are pointer-sized so that a record
// pointer travels in them on every platform.
class IEventHandle {
public:
    virtual ~IEventHandle() = default;
    virtual int OnEventCall(int kind, std::uintptr_t param1, std::uintptr_t param2) = 0;
};
