#pragma once

#include <cstdint>

class IThreadMessage;

// One queued message, copied by value into and out of a queue. The queue never interprets
// kind or the parameters and never owns what they point to.
struct ThreadMsgItem {
    IThreadMessage* target = nullptr;
    int kind = 0;
    std::uintptr_t param1 = 0;
    std::uintptr_t param2 = 0;
    // The request number of the exchange an event completes; 0 for everything else.
    unsigned long requestNumber = 0;
    // The session generation the event belongs to: an exchange's is the one its request was sent in.
    unsigned long generation = 0;
};
