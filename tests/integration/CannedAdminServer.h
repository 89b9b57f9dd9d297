#pragma once

#include "transport/LoopbackServer.h"

#include <httplib.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>

namespace morvix::test {

// An administration endpoint on loopback that signs anyone in and answers every other request with
// the text set last: for reply shapes a sane server never sends (list elements lacking keys, counts
// that disagree with the list).
class CannedAdminServer {
public:
    CannedAdminServer()
        : server_([this](httplib::Server& server) {
              server.Post("/morvix/webcache.mox", [this](const httplib::Request& request, httplib::Response& response) {
                  if (request.get_param_value("type") == "sign") {
                      response.set_content(R"({"RequestID":"0","Return":"True","SessionID":"canned","UserType":"admin",)"
                                           R"("LastLoginTime":"2024-01-01 00:00:00","Version":"3.5.0"})",
                                           "application/json");
                      return;
                  }
                  std::unique_lock guard(lock_);
                  const std::string reply = reply_;
                  if (holdNext_) {
                      holdNext_ = false;
                      held_ = true;
                      changed_.notify_all();
                      changed_.wait(guard, [this] { return !held_; });
                  }
                  response.set_content(reply, "application/json");
              });
          })
    {
    }

    std::string Host() const { return "127.0.0.1:" + std::to_string(server_.Port()); }

    ~CannedAdminServer() { LetGo(); }

    void Answer(std::string reply)
    {
        std::lock_guard guard(lock_);
        reply_ = std::move(reply);
    }

    // The next request gets the text set when it came, but only once the test lets it go: a reply
    // that arrives after those of later requests.
    void HoldNext()
    {
        std::lock_guard guard(lock_);
        holdNext_ = true;
    }
    bool WaitUntilHeld()
    {
        std::unique_lock guard(lock_);
        return changed_.wait_for(guard, std::chrono::seconds(10), [this] { return held_; });
    }
    void LetGo()
    {
        std::lock_guard guard(lock_);
        held_ = false;
        changed_.notify_all();
    }

private:
    std::mutex lock_;
    std::condition_variable changed_;
    std::string reply_;
    bool holdNext_ = false;
    bool held_ = false;
    LoopbackServer server_;
};

}  // namespace morvix::test
