#include "messaging/CMoxEventParam.h"

#include <atomic>

namespace {
std::atomic<std::int64_t> liveRecords{0};
}

CMoxEventParam::CMoxEventParam()
{
    liveRecords.fetch_add(1, std::memory_order_relaxed);
}

CMoxEventParam::~CMoxEventParam()
{
    liveRecords.fetch_sub(1, std::memory_order_relaxed);
}

long CMoxEventParam::AddRef()
{
    std::lock_guard guard(lock_);
    return ++refCount_;
}

long CMoxEventParam::Release()
{
    long remaining;
    {
        std::lock_guard guard(lock_);
        remaining = --refCount_;
    }
    if (remaining <= 0)
        delete this;
    return remaining;
}

std::int64_t CMoxEventParam::LiveCount()
{
    return liveRecords.load(std::memory_order_relaxed);
}
