#include "FleetServers.h"

#include "shell/HostText.h"

#include <algorithm>
#include <fstream>
#include <iostream>

namespace {

constexpr std::string_view kDefaultPort = "6780";

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The host with its port, or empty when the text is not HOST[:PORT] alone.
std::string ServerOf(std::string_view text)
{
    const HostText parts = SplitHostText(text, kDefaultPort);
    return parts.name.empty() ? parts.host : std::string();
}

}  // namespace

std::optional<std::vector<std::string>> FleetServers(const std::vector<std::string>& named,
                                                     const std::string& serversFile)
{
    std::vector<std::string> servers;
    const auto add = [&servers](const std::string& server) {
        if (std::find(servers.begin(), servers.end(), server) == servers.end())
            servers.push_back(server);
    };
    for (const std::string& text : named) {
        const std::string server = ServerOf(text);
        if (server.empty()) {
            std::cerr << "morvixctl: --server takes HOST[:PORT], not \"" << text << "\"\n";
            return std::nullopt;
        }
        add(server);
    }
    if (serversFile.empty())
        return servers;
    std::ifstream file(serversFile);
    if (!file) {
        std::cerr << "morvixctl: cannot read the servers file " << serversFile << "\n";
        return std::nullopt;
    }
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        const std::string_view text = Trimmed(std::string_view(line).substr(0, line.find('#')));
        if (text.empty())
            continue;
        const std::string server = ServerOf(text);
        if (server.empty()) {
            std::cerr << "morvixctl: " << serversFile << ":" << number << ": HOST[:PORT] expected, not \"" << text
                      << "\"\n";
            return std::nullopt;
        }
        add(server);
    }
    if (servers.empty()) {
        std::cerr << "morvixctl: " << serversFile << " names no server\n";
        return std::nullopt;
    }
    return servers;
}
