#pragma once

#include <httplib.h>
#include <json/value.h>

#include <string>

namespace morvix::test {

// Talks to a running morvix-sim: its /sim/ control endpoint and plain administration requests.
class SimClient {
public:
    explicit SimClient(int port = 0) : port_(port) {}

    std::string host() const;  // "127.0.0.1:PORT", or "https://127.0.0.1:PORT" for a simulator speaking https
    int port() const { return port_; }

    Json::Value requests();
    void clearRequests();
    void addFault(const Json::Value& fault);
    // The faults still armed: a fault given a count leaves once it has fired that often.
    Json::Value faults();
    void clearFaults();
    void expireSessions();
    // The simulator's sessions: [{"id", "role", "expired"}], read without touching them.
    Json::Value sessions();
    Json::Value state();
    // Replaces one family's state: {"count": N} generates N entries, else the family's document.
    void setState(const std::string& family, const Json::Value& document);
    void setSettings(const Json::Value& settings);

    // Signs in and returns the session identifier; throws when the simulator refuses.
    std::string signIn(const std::string& role = "admin", const std::string& password = "admin");
    // One administration request with a raw form body; returns the parsed JSON reply.
    Json::Value call(const std::string& type, const std::string& cmd, const std::string& body);

protected:
    void setPort(int port) { port_ = port; }
    void setHttps(bool https) { https_ = https; }

private:
    // The test's own channel to the simulator: what it checks is the console's trust, not this.
    httplib::Client connect() const;

    Json::Value getJson(const std::string& path);
    void postJson(const std::string& path, const Json::Value& body);

    int port_;
    bool https_ = false;
};

}  // namespace morvix::test
