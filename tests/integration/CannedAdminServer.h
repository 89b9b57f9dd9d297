#pragma once

#include "transport/LoopbackServer.h"

#include <httplib.h>

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
                  std::lock_guard guard(lock_);
                  response.set_content(reply_, "application/json");
              });
          })
    {
    }

    std::string Host() const { return "127.0.0.1:" + std::to_string(server_.Port()); }

    void Answer(std::string reply)
    {
        std::lock_guard guard(lock_);
        reply_ = std::move(reply);
    }

private:
    std::mutex lock_;
    std::string reply_;
    LoopbackServer server_;
};

}  // namespace morvix::test
