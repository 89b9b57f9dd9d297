#pragma once

#include "support/EventRecorder.h"

#include <cstdint>
#include <memory>
#include <string>

class CMoxCacheInstance;

namespace morvix::test {

// Signs the console in to a server (host with port) and waits until the requests a login sets off
// have been answered, so that what a test sends next is not confused with them. Also for signing
// in again, to the same server or another one, while a session lives.
bool SignIn(const std::string& host, const std::string& role = "admin", const std::string& password = "admin");

// The console core signed in to a server (normally a SimProcess): thread registry, event manager,
// the one server instance holding the session, and a recorder of every event. On destruction it
// waits until every record the test caused has been released.
class ConsoleSession {
public:
    ConsoleSession(const std::string& host, const std::string& role = "admin", const std::string& password = "admin");
    ~ConsoleSession();

    EventRecorder& Events() { return *events_; }
    // Ends the recording, which holds every record it saw: a long stream would fill the memory.
    // Events() may not be used afterwards.
    void StopRecording() { events_.reset(); }
    CMoxCacheInstance& Instance() { return *instance_; }
    const std::string& SessionId() const { return sessionId_; }

private:
    std::int64_t liveRecordsAtStart_ = 0;
    std::unique_ptr<EventRecorder> events_;
    CMoxCacheInstance* instance_ = nullptr;
    std::string sessionId_;
};

}  // namespace morvix::test
