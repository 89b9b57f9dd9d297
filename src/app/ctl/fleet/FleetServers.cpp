#include "FleetServers.h"

#include <fstream>
#include <iostream>
#include <map>
#include <netdb.h>
#include <sys/socket.h>

namespace {

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// What tells two entries apart: the scheme, the first address the host resolves to, and the port.
// A host that does not resolve stands for itself; its run reports it unreachable.
std::string Identity(const ServerAddress& server)
{
    std::string host = server.host;
    if (host.starts_with('['))
        host = host.substr(1, host.size() - 2);
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), nullptr, &hints, &found) == 0 && found) {
        char numeric[NI_MAXHOST];
        if (::getnameinfo(found->ai_addr, found->ai_addrlen, numeric, sizeof numeric, nullptr, 0, NI_NUMERICHOST) == 0)
            host = numeric;
        ::freeaddrinfo(found);
    }
    return server.scheme + "://" + host + ":" + std::to_string(server.port);
}

class ServerList {
public:
    // False when the text is no server; the reason is printed after `where`.
    bool Add(std::string_view text, const std::string& where)
    {
        auto parsed = ParseServerAddress(text);
        if (const auto* reason = std::get_if<std::string>(&parsed)) {
            std::cerr << "morvixctl: " << where << ": \"" << text << "\": " << *reason << "\n";
            return false;
        }
        const ServerAddress& server = std::get<ServerAddress>(parsed);
        const auto [taken, added] = taken_.try_emplace(Identity(server), server.Text());
        if (added)
            servers_.push_back(server);
        else if (taken->second == server.Text())
            std::cerr << "morvixctl: " << where << ": " << server.Text() << " is named twice; taken once\n";
        else
            std::cerr << "morvixctl: " << where << ": " << server.Text() << " and " << taken->second
                      << " are the same server; taken once, as " << taken->second << "\n";
        return true;
    }

    std::vector<ServerAddress> servers_;

private:
    std::map<std::string, std::string> taken_;  // identity -> the text it was first named by
};

}  // namespace

std::optional<std::vector<ServerAddress>> FleetServers(const std::vector<std::string>& named,
                                                       const std::string& serversFile)
{
    ServerList list;
    bool usable = true;
    for (const std::string& text : named)
        usable = list.Add(Trimmed(text), "--server") && usable;
    if (serversFile.empty())
        return usable ? std::optional(list.servers_) : std::nullopt;
    std::ifstream file(serversFile);
    if (!file) {
        std::cerr << "morvixctl: cannot read the servers file " << serversFile << "\n";
        return std::nullopt;
    }
    bool any = false;
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        const std::string_view text = Trimmed(std::string_view(line).substr(0, line.find('#')));
        if (text.empty())
            continue;
        any = true;
        usable = list.Add(text, serversFile + ":" + std::to_string(number)) && usable;
    }
    if (!any) {
        std::cerr << "morvixctl: " << serversFile << " names no server\n";
        return std::nullopt;
    }
    return usable ? std::optional(list.servers_) : std::nullopt;
}
