#pragma once

#include <httplib.h>

namespace morvix::sim {

class FaultInjector;
class RequestLog;
class RuntimeSettings;
class SessionStore;
class SimState;

// The test and demo controls under /sim/: the request log, faults, sessions, settings and state.
class ControlEndpoint {
public:
    ControlEndpoint(SimState& state, RequestLog& log, FaultInjector& faults, SessionStore& sessions,
                    RuntimeSettings& settings);

    void install(httplib::Server& server);

private:
    void setState(const httplib::Request& request, httplib::Response& response);
    void setFamilyState(const httplib::Request& request, httplib::Response& response);
    void changeSettings(const httplib::Request& request, httplib::Response& response);
    void showSettings(httplib::Response& response);

    SimState& state_;
    RequestLog& log_;
    FaultInjector& faults_;
    SessionStore& sessions_;
    RuntimeSettings& settings_;
};

}  // namespace morvix::sim
