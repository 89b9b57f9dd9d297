#pragma once

#include "messaging/IThreadMessage.h"

#include <algorithm>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace morvix::test {

// A worker-thread target that remembers what reached it, on which thread, and what was handed back.
class RecordingTarget : public IThreadMessage {
public:
    // Runs on the worker before the delivery is recorded; set it before the first post.
    std::function<void(const ThreadMsgItem&)> onMessage;

    void OnThreadMessage(const ThreadMsgItem& item) override
    {
        if (onMessage)
            onMessage(item);
        std::lock_guard guard(lock_);
        delivered_.push_back(item);
        deliveryThreads_.push_back(std::this_thread::get_id());
    }

    void OnThreadMessageDropped(const ThreadMsgItem& item) override
    {
        std::lock_guard guard(lock_);
        dropped_.push_back(item);
    }

    void OnThreadExit(std::uint32_t threadId) override
    {
        std::lock_guard guard(lock_);
        exited_.push_back(threadId);
    }

    std::vector<int> DeliveredKinds() const { return KindsOf(delivered_); }
    std::vector<int> DroppedKinds() const { return KindsOf(dropped_); }

    std::vector<ThreadMsgItem> Dropped() const
    {
        std::lock_guard guard(lock_);
        return dropped_;
    }

    std::vector<std::thread::id> DeliveryThreads() const
    {
        std::lock_guard guard(lock_);
        return deliveryThreads_;
    }

    std::size_t DeliveredCount() const
    {
        std::lock_guard guard(lock_);
        return delivered_.size();
    }

    bool HasExited(std::uint32_t threadId) const
    {
        std::lock_guard guard(lock_);
        return std::count(exited_.begin(), exited_.end(), threadId) > 0;
    }

private:
    std::vector<int> KindsOf(const std::vector<ThreadMsgItem>& items) const
    {
        std::lock_guard guard(lock_);
        std::vector<int> kinds;
        for (const ThreadMsgItem& item : items)
            kinds.push_back(item.kind);
        return kinds;
    }

    mutable std::mutex lock_;
    std::vector<ThreadMsgItem> delivered_;
    std::vector<std::thread::id> deliveryThreads_;
    std::vector<ThreadMsgItem> dropped_;
    std::vector<std::uint32_t> exited_;
};

}  // namespace morvix::test
