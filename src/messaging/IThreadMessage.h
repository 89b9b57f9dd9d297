#pragma once

#include "messaging/ThreadMsgItem.h"

#include <cstdint>

// Receives the messages of a worker thread, on that thread. A target must outlive every thread
// that may still call it: until OnThreadExit of the thread it was started for.
class IThreadMessage {
public:
    virtual ~IThreadMessage() = default;

    virtual void OnThreadMessage(const ThreadMsgItem& item) = 0;

    // A message still queued when its thread quits is never delivered. It comes back here, on the
    // quitting thread, so that the target can release whatever the message carries.
    virtual void OnThreadMessageDropped(const ThreadMsgItem& item) {}

    // The last thing a worker does, for the target it was started for; afterwards the thread no
    // longer touches the target, so the target may be destroyed.
    virtual void OnThreadExit(std::uint32_t threadId) {}
};
