#include "FleetServers.h"

#include <algorithm>
#include <filesystem>
#include <fnmatch.h>
#include <fstream>
#include <iostream>
#include <map>
#include <netdb.h>
#include <set>
#include <sstream>
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
    bool Add(std::string_view text, const std::string& where, const ServerSettings& settings = {})
    {
        auto parsed = ParseServerAddress(text);
        if (const auto* reason = std::get_if<std::string>(&parsed)) {
            std::cerr << "morvixctl: " << where << ": \"" << text << "\": " << *reason << "\n";
            return false;
        }
        const ServerAddress& server = std::get<ServerAddress>(parsed);
        const auto [taken, added] = taken_.try_emplace(Identity(server), server.Text());
        if (added)
            servers_.push_back({server, settings});
        else if (taken->second == server.Text())
            std::cerr << "morvixctl: " << where << ": " << server.Text() << " is named twice; taken once\n";
        else
            std::cerr << "morvixctl: " << where << ": " << server.Text() << " and " << taken->second
                      << " are the same server; taken once, as " << taken->second << "\n";
        return true;
    }

    std::vector<FleetServer> servers_;

private:
    std::map<std::string, std::string> taken_;  // identity -> the text it was first named by
};

struct FileLine {
    std::string group;  // empty before the first "[NAME]"
    std::string server;
    ServerSettings settings;
    int number;
};

// The servers of the file with their settings over their group's; none when a line is bad (each
// reported).
std::optional<std::vector<FileLine>> ReadServersFile(const std::string& path, std::set<std::string>& groups)
{
    std::ifstream file(path);
    if (!file) {
        std::cerr << "morvixctl: cannot read the servers file " << path << "\n";
        return std::nullopt;
    }
    std::vector<FileLine> lines;
    std::map<std::string, ServerSettings> groupSettings;
    std::string group;
    bool usable = true;
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        const std::string where = path + ":" + std::to_string(number);
        const std::string_view text = Trimmed(std::string_view(line).substr(0, line.find('#')));
        const auto bad = [&](const std::string& reason) {
            std::cerr << "morvixctl: " << where << ": \"" << text << "\": " << reason << "\n";
            usable = false;
        };
        if (text.empty())
            continue;
        // An IPv6 address in brackets holds a colon, which no group name does.
        if (text.starts_with('[') && text.find(':') == std::string_view::npos) {
            group = std::string(Trimmed(text.substr(1, text.size() - 1 - text.ends_with(']'))));
            if (!text.ends_with(']') || group.empty() || group.find_first_of(" \t[]@,") != std::string::npos)
                bad("a group is [NAME], without blanks, brackets, commas or @");
            groups.insert(group);
            continue;
        }
        const std::size_t equals = text.find('=');
        const std::size_t blank = text.find_first_of(" \t");
        if (equals != std::string_view::npos && (blank == std::string_view::npos || equals < blank ||
                                                 Trimmed(text.substr(blank)).starts_with('='))) {
            if (group.empty()) {
                bad("settings belong to a [group]");
                continue;
            }
            if (const auto reason = SetServerSetting(groupSettings[group], Trimmed(text.substr(0, equals)),
                                                     Trimmed(text.substr(equals + 1))))
                bad(*reason);
            continue;
        }
        FileLine entry{group, std::string(text.substr(0, blank)), {}, number};
        const auto address = ParseServerAddress(entry.server);
        std::optional<std::string> reason;
        if (const auto* notServer = std::get_if<std::string>(&address))
            reason = *notServer;
        std::istringstream words(std::string(blank == std::string_view::npos ? "" : text.substr(blank)));
        for (std::string word; !reason && words >> word;) {
            const std::size_t at = word.find('=');
            reason = at == std::string::npos
                         ? std::optional<std::string>("after the address come NAME=VALUE settings")
                         : SetServerSetting(entry.settings, word.substr(0, at), word.substr(at + 1));
        }
        if (reason)
            bad(*reason);
        lines.push_back(std::move(entry));
    }
    // A group's settings hold for all its servers, also those listed before the setting. A password
    // file named without its folder lies beside the servers file.
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    for (FileLine& entry : lines) {
        entry.settings = entry.settings.Over(groupSettings[entry.group]);
        std::optional<std::string>& password = entry.settings.password;
        if (password && password->starts_with("file:") && std::filesystem::path(password->substr(5)).is_relative())
            *password = "file:" + (folder / password->substr(5)).string();
    }
    if (lines.empty()) {
        std::cerr << "morvixctl: " << path << " names no server\n";
        return std::nullopt;
    }
    return usable ? std::optional(std::move(lines)) : std::nullopt;
}

std::vector<std::string> Patterns(const std::vector<std::string>& given)
{
    std::vector<std::string> patterns;
    for (const std::string& list : given) {
        std::istringstream parts(list);
        for (std::string part; std::getline(parts, part, ',');)
            if (!Trimmed(part).empty())
                patterns.emplace_back(Trimmed(part));
    }
    return patterns;
}

bool Matches(const std::vector<std::string>& patterns, const ServerAddress& server)
{
    return std::any_of(patterns.begin(), patterns.end(), [&](const std::string& pattern) {
        return ::fnmatch(pattern.c_str(), server.Text().c_str(), 0) == 0 ||
               ::fnmatch(pattern.c_str(), server.host.c_str(), 0) == 0;
    });
}

}  // namespace

std::optional<std::vector<FleetServer>> FleetServers(const std::vector<std::string>& named,
                                                     const std::string& serversFile, FleetSelection selection)
{
    ServerList list;
    bool usable = true;
    for (const std::string& text : named) {
        const std::string_view server = Trimmed(text);
        if (server.starts_with('@'))
            selection.groups.emplace_back(server.substr(1));
        else
            usable = list.Add(server, "--server") && usable;
    }
    if (!serversFile.empty()) {
        std::set<std::string> groups;
        const auto lines = ReadServersFile(serversFile, groups);
        if (!lines)
            return std::nullopt;
        for (const std::string& group : selection.groups)
            if (!groups.contains(group)) {
                std::string known;
                for (const std::string& name : groups)
                    known += (known.empty() ? "" : ", ") + name;
                std::cerr << "morvixctl: " << serversFile << " has no group \"" << group << "\""
                          << (known.empty() ? "" : " (it has " + known + ")") << "\n";
                usable = false;
            }
        for (const FileLine& line : *lines)
            if (selection.groups.empty() ||
                std::find(selection.groups.begin(), selection.groups.end(), line.group) != selection.groups.end())
                usable = list.Add(line.server, serversFile + ":" + std::to_string(line.number), line.settings) && usable;
    } else if (!selection.groups.empty()) {
        std::cerr << "morvixctl: a group of servers is chosen from the --servers-file\n";
        return std::nullopt;
    }
    if (!usable)
        return std::nullopt;
    const std::vector<std::string> limit = Patterns(selection.limit), exclude = Patterns(selection.exclude);
    std::erase_if(list.servers_, [&](const FleetServer& server) {
        return (!limit.empty() && !Matches(limit, server.address)) || Matches(exclude, server.address);
    });
    if (list.servers_.empty()) {
        std::cerr << "morvixctl: no server is left to run on\n";
        return std::nullopt;
    }
    return list.servers_;
}
