#pragma once

#include "messaging/CMessageQueue.h"
#include "messaging/IThreadMessage.h"

#include <cstdint>
#include <string>

// A message queue with a thread of its own that delivers every queued message to its target, one
// at a time and in order. A started thread owns itself: after Quit it finishes the message in hand,
// hands back what is still queued, writes its exit line and deletes itself.
class CZebThread : public CMessageQueue {
public:
    // owner is told when the thread has ended (IThreadMessage::OnThreadExit).
    explicit CZebThread(IThreadMessage* owner);

    // Returns the thread id, or 0 when the thread could not be created; a thread that failed to
    // start is not tried again and must be deleted by its maker.
    std::uint32_t Start();

private:
    friend class CThreadRegistry;
    ~CZebThread() = default;

    void Run();
    // Hands back the undelivered messages (those taken but not delivered first), then ends.
    void Finish(std::deque<ThreadMsgItem> taken);

    IThreadMessage* const owner_;
    const std::string name_ = "EventManager";  // shown by debuggers and top
    bool startFailed_ = false;
    std::uint32_t threadId_ = 0;
};
