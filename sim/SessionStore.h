#pragma once

#include <json/value.h>

#include <chrono>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace morvix::sim {

enum class Role { Admin, Keeper };

// Signed-in sessions: unguessable identifiers that end when idle longer than the timeout.
class SessionStore {
public:
    explicit SessionStore(std::chrono::seconds idleTimeout);

    std::string open(Role role);
    // The session's role, refreshing its idle time; nothing when it is unknown or has expired.
    std::optional<Role> use(std::string_view id);
    void expireAll();
    void setIdleTimeout(std::chrono::seconds timeout);
    std::chrono::seconds idleTimeout() const;
    size_t size() const;
    // Every session with its role and whether it has expired, without touching any of them.
    Json::Value toJson() const;

private:
    struct Session {
        Role role;
        std::chrono::steady_clock::time_point lastUse;
    };

    mutable std::mutex mutex_;
    std::chrono::seconds idleTimeout_;
    std::unordered_map<std::string, Session> sessions_;
};

}  // namespace morvix::sim
