#pragma once

#include <ostream>
#include <string>
#include <string_view>

// The log of one server's poller, each line with its UTC time first. A server that keeps failing
// the same way is logged once when the failure starts or changes, and once when it answers again,
// not at every poll: one line every few seconds per down server would bury the rest of the log.
class ServerLog {
public:
    // The two things a poller polls: the counters (and the poller's own sign-in and life), and the
    // host list with its origins, which can fail while the counters answer.
    enum class Part { Counters, Hosts };

    ServerLog(std::string server, std::ostream& out);

    void Failed(Part part, std::string_view why);
    void Answered(Part part);

private:
    const std::string server_;
    std::ostream& out_;
    std::string failure_[2];  // the last logged failure of each part; empty while it answers
};
