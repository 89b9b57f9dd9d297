#pragma once

#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace nsMoxHttp {

class CMoxHttpRequest;

// The threads of the exchanges in flight. Every thread is joined, so that at exit none is left
// inside libcurl or holding a request when libcurl is cleaned up.
class CMoxRequestThreads {
public:
    CMoxRequestThreads() = default;
    CMoxRequestThreads(const CMoxRequestThreads&) = delete;
    CMoxRequestThreads& operator=(const CMoxRequestThreads&) = delete;
    ~CMoxRequestThreads();

    // False when no thread could be made, or once StopAll has begun.
    bool Start(std::shared_ptr<CMoxHttpRequest> request);

    // Detaches and aborts every exchange, then waits for all threads and joins them.
    void StopAll();

    std::size_t Running() const;

private:
    struct Exchange {
        std::thread thread;
        std::shared_ptr<CMoxHttpRequest> request;
    };

    void Finished(std::uint64_t id);

    mutable std::mutex lock_;
    std::condition_variable finished_;
    std::map<std::uint64_t, Exchange> running_;
    // Threads that have ended but were not joined yet; joined by the next Start or by StopAll.
    std::vector<std::thread> ended_;
    std::uint64_t nextId_ = 0;
    bool stopping_ = false;
};

}  // namespace nsMoxHttp
