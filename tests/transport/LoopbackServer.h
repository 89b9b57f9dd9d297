#pragma once

#include "support/WaitUntil.h"

#include <httplib.h>

#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace morvix::test {

// A real HTTP server on a free 127.0.0.1 port, remembering the head of every request as it
// arrives (handlers that care about the body see it themselves).
class LoopbackServer {
public:
    struct Seen {
        std::string method;
        std::string target;
        std::string version;
        std::multimap<std::string, std::string, httplib::detail::ci> headers;

        std::string Header(const std::string& name) const
        {
            const auto found = headers.find(name);
            return found == headers.end() ? std::string() : found->second;
        }
    };

    // Registers the handlers before the server starts listening.
    using Routes = std::function<void(httplib::Server&)>;

    explicit LoopbackServer(const Routes& routes) : LoopbackServer(std::make_unique<httplib::Server>(), "http", routes)
    {
    }

    // Serves HTTPS with the given certificate.
    LoopbackServer(const std::string& certificatePath, const std::string& keyPath, const Routes& routes)
        : LoopbackServer(std::make_unique<httplib::SSLServer>(certificatePath.c_str(), keyPath.c_str()), "https",
              routes)
    {
    }

    ~LoopbackServer()
    {
        ReleaseStalls();
        server_->stop();
        listener_.join();
    }

    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    std::string Url(const std::string& pathAndQuery) const
    {
        return scheme_ + "://127.0.0.1:" + std::to_string(port_) + pathAndQuery;
    }
    int Port() const { return port_; }

    std::vector<Seen> Requests() const
    {
        std::lock_guard guard(lock_);
        return seen_;
    }
    std::size_t RequestCount() const { return Requests().size(); }

    // For handlers: holds the reply back until ReleaseStalls (at the latest when the server goes).
    void StallUntilReleased()
    {
        std::unique_lock guard(lock_);
        ++stalled_;
        released_.wait(guard, [this] { return stallsReleased_; });
        --stalled_;
    }
    std::size_t Stalled() const
    {
        std::lock_guard guard(lock_);
        return stalled_;
    }
    void ReleaseStalls()
    {
        {
            std::lock_guard guard(lock_);
            stallsReleased_ = true;
        }
        released_.notify_all();
    }

private:
    LoopbackServer(std::unique_ptr<httplib::Server> server, std::string scheme, const Routes& routes)
        : server_(std::move(server)), scheme_(std::move(scheme))
    {
        server_->set_pre_routing_handler([this](const httplib::Request& request, httplib::Response&) {
            std::lock_guard guard(lock_);
            seen_.push_back({request.method, request.target, request.version,
                {request.headers.begin(), request.headers.end()}});
            return httplib::Server::HandlerResponse::Unhandled;
        });
        // One request per connection: the console keeps idle connections for reuse, and the library
        // would keep a worker (and the server's stop) waiting on each for the keep-alive time.
        server_->set_keep_alive_max_count(1);
        routes(*server_);
        port_ = server_->bind_to_any_port("127.0.0.1");
        listener_ = std::thread([this] { server_->listen_after_bind(); });
        WaitUntil([this] { return server_->is_running(); });
    }

    std::unique_ptr<httplib::Server> server_;
    const std::string scheme_;
    int port_ = -1;
    std::thread listener_;
    mutable std::mutex lock_;
    std::condition_variable released_;
    std::vector<Seen> seen_;
    std::size_t stalled_ = 0;
    bool stallsReleased_ = false;
};

}  // namespace morvix::test
