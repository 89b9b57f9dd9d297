#pragma once

#include "messaging/IThreadMessage.h"

#include <cstdint>
#include <map>

class CZebThread;

// The process-wide table of running worker threads, addressed by thread id. It exists from
// start-up (Create) to exit (Destroy); without it nothing can be started or posted.
class CThreadRegistry {
public:
    static bool Create();
    // Tells every thread to quit without waiting for it. The threads never look at the registry,
    // so they finish safely after it is gone.
    static void Destroy();
    static bool Exists();

    // Returns the new thread's id, 0 when there is no registry or the thread could not start.
    // owner is told when the thread ends.
    static std::uint32_t StartThread(IThreadMessage* owner);
    // True when the message was queued; an unknown id (or 0) drops it and releases nothing.
    static bool PostToThread(std::uint32_t threadId, IThreadMessage* target, int kind,
                             std::uintptr_t param1, std::uintptr_t param2, unsigned long requestNumber = 0,
                             unsigned long generation = 0);
    // After it returns, no message can reach that thread any more.
    static void StopThread(std::uint32_t threadId);

private:
    CThreadRegistry() = default;

    std::map<std::uint32_t, CZebThread*> threads_;
};
