#pragma once

#include "integration/CannedAdminServer.h"
#include "support/EventRecorder.h"

#include <json/value.h>

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

namespace morvix::test {

// A list request of one family against a canned server: each call answers the next request with
// the list envelope around `lists` and returns the request's completion.
class CannedList {
public:
    CannedList(CannedAdminServer& server, EventRecorder& events, std::function<bool()> send, int completion)
        : server_(server), events_(events), send_(std::move(send)), completion_(completion)
    {
    }

    std::optional<EventRecorder::Event> operator()(const std::string& count, const Json::Value& lists);

    // Two `complete` elements, the second lacking one of `keys` at a time: every such reply is
    // unreadable and posts no record.
    void ExpectEveryKeyRequired(const Json::Value& complete, std::initializer_list<const char*> keys);

private:
    CannedAdminServer& server_;
    EventRecorder& events_;
    std::function<bool()> send_;
    int completion_;
};

}  // namespace morvix::test
