#include "messaging/CZebThread.h"

#include <pthread.h>

#include <atomic>
#include <cstdio>
#include <system_error>
#include <thread>

namespace {

// Our own ids count up rather than reuse the operating system's, so a stale id does not address a
// later thread.
std::uint32_t NextThreadId()
{
    static std::atomic<std::uint32_t> lastId{0};
    std::uint32_t id;
    do {
        id = lastId.fetch_add(1, std::memory_order_relaxed) + 1;
    } while (id == 0);
    return id;
}

}  // namespace

CZebThread::CZebThread(IThreadMessage* owner) : owner_(owner) {}

std::uint32_t CZebThread::Start()
{
    if (startFailed_)
        return 0;
    const std::uint32_t id = threadId_ = NextThreadId();
    try {
        std::thread(&CZebThread::Run, this).detach();
    } catch (const std::system_error&) {
        startFailed_ = true;
        threadId_ = 0;
        return 0;
    }
    return id;
}

void CZebThread::Run()
{
    pthread_setname_np(pthread_self(), name_.c_str());
    std::deque<ThreadMsgItem> batch;
    while (!IsQuit()) {
        Wait(kWaitForever);
        while (PopAll(batch)) {
            while (!batch.empty() && !IsQuit()) {
                const ThreadMsgItem item = batch.front();
                batch.pop_front();
                if (item.target)
                    item.target->OnThreadMessage(item);
            }
            if (IsQuit())
                break;
        }
    }
    Finish(std::move(batch));
}

void CZebThread::Finish(std::deque<ThreadMsgItem> taken)
{
    std::deque<ThreadMsgItem> remaining = TakeRemaining();
    taken.insert(taken.end(), remaining.begin(), remaining.end());
    for (const ThreadMsgItem& item : taken) {
        if (item.target)
            item.target->OnThreadMessageDropped(item);
    }
    std::printf("thread exit. hThread = [%u].\n", static_cast<unsigned>(threadId_));
    std::fflush(stdout);

    IThreadMessage* const owner = owner_;
    const std::uint32_t id = threadId_;
    delete this;
    if (owner)
        owner->OnThreadExit(id);
}
