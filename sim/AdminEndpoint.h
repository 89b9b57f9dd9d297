#pragma once

#include "AdminDispatcher.h"
#include "ClosedRequests.h"
#include "Fault.h"
#include "FaultInjector.h"
#include "LiveStream.h"
#include "RequestLog.h"
#include "SessionStore.h"
#include "StopSignal.h"

#include <httplib.h>

#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace morvix::sim {

// The HTTP side of "/morvix/webcache.mox": logs each request as it arrived, applies the injected
// faults, has the dispatcher judge it, and writes the envelope, the text or the live stream.
class AdminEndpoint {
public:
    AdminEndpoint(const AdminDispatcher& dispatcher, RequestLog& log, FaultInjector& faults, SessionStore& sessions,
                  LiveStream& liveStream, const StopSignal& stop);

    void install(httplib::Server& server);
    // True while a request that came from this client port is being handled.
    bool busy(int peerPort) const;

private:
    void handle(const httplib::Request& request, httplib::Response& response, const std::string& body,
                bool fromBrowser);
    void record(const httplib::Request& request, const std::string& body);
    // True when a fault has fully decided the answer.
    bool answerByFault(const std::vector<Fault>& fired, const httplib::Request& request,
                       httplib::Response& response, const std::string& requestId, const std::string& body);
    void write(const Reply& reply, const std::vector<Fault>& fired, const httplib::Request& request,
               httplib::Response& response, const std::string& requestId);

    const AdminDispatcher& dispatcher_;
    RequestLog& log_;
    FaultInjector& faults_;
    SessionStore& sessions_;
    LiveStream& liveStream_;
    const StopSignal& stop_;
    ClosedRequests closed_;
    mutable std::mutex busyLock_;
    std::multiset<int> busyPorts_;
};

// The query part of a request target, undecoded.
std::string queryOf(const httplib::Request& request);

}  // namespace morvix::sim
