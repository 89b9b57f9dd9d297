#include "SessionStore.h"

#include <stdexcept>
#include <sys/random.h>

namespace morvix::sim {

namespace {

std::string randomIdentifier()
{
    unsigned char bytes[16];
    size_t filled = 0;
    while (filled < sizeof bytes) {
        const ssize_t got = getrandom(bytes + filled, sizeof bytes - filled, 0);
        if (got < 0)
            throw std::runtime_error("no random numbers for a session identifier");
        filled += static_cast<size_t>(got);
    }
    static const char digits[] = "0123456789ABCDEF";
    std::string id;
    for (unsigned char b : bytes) {
        id += digits[b >> 4];
        id += digits[b & 0x0F];
    }
    return id;
}

}  // namespace

SessionStore::SessionStore(std::chrono::seconds idleTimeout) : idleTimeout_(idleTimeout) {}

std::string SessionStore::open(Role role)
{
    std::string id = randomIdentifier();
    std::lock_guard lock(mutex_);
    sessions_[id] = Session{role, std::chrono::steady_clock::now()};
    return id;
}

std::optional<Role> SessionStore::use(std::string_view id)
{
    std::lock_guard lock(mutex_);
    const auto it = sessions_.find(std::string(id));
    if (it == sessions_.end())
        return std::nullopt;
    const auto now = std::chrono::steady_clock::now();
    if (now - it->second.lastUse > idleTimeout_) {
        sessions_.erase(it);
        return std::nullopt;
    }
    it->second.lastUse = now;
    return it->second.role;
}

void SessionStore::expireAll()
{
    std::lock_guard lock(mutex_);
    sessions_.clear();
}

void SessionStore::setIdleTimeout(std::chrono::seconds timeout)
{
    std::lock_guard lock(mutex_);
    idleTimeout_ = timeout;
}

std::chrono::seconds SessionStore::idleTimeout() const
{
    std::lock_guard lock(mutex_);
    return idleTimeout_;
}

size_t SessionStore::size() const
{
    std::lock_guard lock(mutex_);
    return sessions_.size();
}

Json::Value SessionStore::toJson() const
{
    std::lock_guard lock(mutex_);
    const auto now = std::chrono::steady_clock::now();
    Json::Value list(Json::arrayValue);
    for (const auto& [id, session] : sessions_) {
        Json::Value item(Json::objectValue);
        item["id"] = id;
        item["role"] = session.role == Role::Admin ? "admin" : "keeper";
        item["expired"] = now - session.lastUse > idleTimeout_;
        list.append(std::move(item));
    }
    return list;
}

}  // namespace morvix::sim
