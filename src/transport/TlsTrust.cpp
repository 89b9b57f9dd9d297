#include "transport/TlsTrust.h"

#include <strings.h>

#include <algorithm>
#include <map>
#include <mutex>

namespace nsMoxHttp {

namespace {

struct TrustState {
    std::mutex lock;
    std::string caFile;
    bool insecure = false;
    // Keys pinned in this process and those looked up, an empty one for a server without: the
    // lookup reads a file, once per server rather than once per exchange.
    std::map<std::string, std::string> pins;
    TlsTrust::PinLookup lookup;
};

TrustState& State()
{
    static TrustState state;
    return state;
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
    return text;
}

}  // namespace

void TlsTrust::SetCaFile(std::string file)
{
    std::lock_guard guard(State().lock);
    State().caFile = std::move(file);
}

void TlsTrust::SetInsecure(bool insecure)
{
    std::lock_guard guard(State().lock);
    State().insecure = insecure;
}

void TlsTrust::Pin(const std::string& hostPort, std::string key)
{
    std::lock_guard guard(State().lock);
    State().pins[Lower(hostPort)] = std::move(key);
}

void TlsTrust::Forget(const std::string& hostPort)
{
    std::lock_guard guard(State().lock);
    State().pins.erase(Lower(hostPort));
}

void TlsTrust::SetPinLookup(PinLookup lookup)
{
    std::lock_guard guard(State().lock);
    State().lookup = std::move(lookup);
    // What the old lookup found stays pinned; what it did not find is asked again.
    std::erase_if(State().pins, [](const auto& entry) { return entry.second.empty(); });
}

TlsTrust::ForServer TlsTrust::For(const std::string& hostPort)
{
    PinLookup lookup;
    ForServer server;
    {
        std::lock_guard guard(State().lock);
        server.caFile = State().caFile;
        server.insecure = State().insecure;
        const auto pinned = State().pins.find(Lower(hostPort));
        if (pinned != State().pins.end()) {
            server.pinnedKey = pinned->second;
            return server;
        }
        if (!State().lookup)
            return server;
        lookup = State().lookup;
    }
    // Read outside the lock: the lookup reads a file.
    server.pinnedKey = lookup(Lower(hostPort)).value_or("");
    std::lock_guard guard(State().lock);
    State().pins.emplace(Lower(hostPort), server.pinnedKey);
    return server;
}

std::string TlsTrust::CaFile()
{
    std::lock_guard guard(State().lock);
    return State().caFile;
}

bool TlsTrust::Insecure()
{
    std::lock_guard guard(State().lock);
    return State().insecure;
}

std::string HttpsHostPort(const std::string& url)
{
    constexpr std::string_view scheme = "https://";
    if (url.size() < scheme.size() || strncasecmp(url.c_str(), scheme.data(), scheme.size()) != 0)
        return {};
    const std::size_t end = url.find_first_of("/?#", scheme.size());
    return Lower(url.substr(scheme.size(), end == std::string::npos ? std::string::npos : end - scheme.size()));
}

}  // namespace nsMoxHttp
