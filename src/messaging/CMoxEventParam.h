#pragma once

#include "messaging/IZebUnknow.h"

#include <cstdint>
#include <mutex>

// Base of every result record that travels with an event. The producer hands its one reference
// to the event; the end handler drops it after the dispatch unless a handler took one of its own.
class CMoxEventParam : public IZebUnknow {
public:
    CMoxEventParam();
    CMoxEventParam(const CMoxEventParam&) = delete;
    CMoxEventParam& operator=(const CMoxEventParam&) = delete;
    ~CMoxEventParam() override;

    long AddRef() override;
    long Release() override;

    // A record travels in a pointer-sized event parameter; always convert through the base, so that
    // the end handler releases the very object that was posted.
    std::uintptr_t AsParam() { return reinterpret_cast<std::uintptr_t>(this); }
    static CMoxEventParam* FromParam(std::uintptr_t param) { return reinterpret_cast<CMoxEventParam*>(param); }
    // The record a param carries, as this kind of record; null for none or for another kind.
    template <class Record>
    static const Record* As(std::uintptr_t param)
    {
        return dynamic_cast<const Record*>(FromParam(param));
    }

    // Records alive in the process: tests assert it returns to its starting value,
    // so that every record is released exactly once.
    static std::int64_t LiveCount();

private:
    long refCount_ = 1;
    std::recursive_mutex lock_;
};
