#include "transport/CMoxRequestThreads.h"

#include "transport/CMoxHttpRequest.h"

#include <system_error>

namespace nsMoxHttp {

namespace {

void JoinAll(std::vector<std::thread>& threads)
{
    for (std::thread& thread : threads)
        thread.join();
}

}  // namespace

CMoxRequestThreads::~CMoxRequestThreads()
{
    StopAll();
}

bool CMoxRequestThreads::Start(std::shared_ptr<CMoxHttpRequest> request)
{
    std::vector<std::thread> ended;
    {
        std::lock_guard guard(lock_);
        if (stopping_)
            return false;
        ended.swap(ended_);
        const std::uint64_t id = nextId_++;
        Exchange& exchange = running_[id];
        exchange.request = request;
        try {
            // The thread cannot report its end before the lock is released, so its entry is complete by then.
            exchange.thread = std::thread([this, id, request = std::move(request)] {
                request->Run();
                Finished(id);
            });
        } catch (const std::system_error&) {
            running_.erase(id);
            ended_.swap(ended);
            return false;
        }
    }
    JoinAll(ended);
    return true;
}

void CMoxRequestThreads::Finished(std::uint64_t id)
{
    // Held until the lock is released, so that the request may be destroyed outside it.
    std::shared_ptr<CMoxHttpRequest> request;
    {
        std::lock_guard guard(lock_);
        auto entry = running_.extract(id);
        ended_.push_back(std::move(entry.mapped().thread));
        request = std::move(entry.mapped().request);
    }
    finished_.notify_all();
}

void CMoxRequestThreads::StopAll()
{
    std::vector<std::shared_ptr<CMoxHttpRequest>> inFlight;
    {
        std::lock_guard guard(lock_);
        stopping_ = true;
        for (auto& [id, exchange] : running_)
            inFlight.push_back(exchange.request);
    }
    for (auto& request : inFlight)
        request->Detach(true);

    std::vector<std::thread> ended;
    {
        std::unique_lock guard(lock_);
        finished_.wait(guard, [this] { return running_.empty(); });
        ended.swap(ended_);
    }
    JoinAll(ended);
}

std::size_t CMoxRequestThreads::Running() const
{
    std::lock_guard guard(lock_);
    return running_.size();
}

}  // namespace nsMoxHttp
