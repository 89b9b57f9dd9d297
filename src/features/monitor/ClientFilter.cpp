#include "features/monitor/ClientFilter.h"

#include "shell/IniProfile.h"

#include <algorithm>
#include "shell/MoxText.h"

namespace {

constexpr std::string_view kAllUsers = MoxText::Noop("监控所有用户");
constexpr std::string_view kAllUsersByDefault = MoxText::Noop("默认监控所有用户");
constexpr std::string_view kSection = "HostMonitor";
constexpr std::size_t kFilterBuffer = 65;
const char* const kOwnKeys[] = {"ip1", "ip2", "ip3"};

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

}  // namespace

const std::vector<std::string>& FixedClientFilters()
{
    static const std::vector<std::string> filters = {
        MoxText::tr(kAllUsers),      "10.0.0.0-10.255.255.255",     "172.16.0.0-172.255.255.255",
        "192.168.0.0-192.168.255.255", "127.0.0.0-127.255.255.255", "169.254.0.0-169.254.255.255",
        "224.0.0.0-224.255.255.255",   "240.0.0.0-240.255.255.255"};
    return filters;
}

ClientRange ParseClientFilter(std::string_view text)
{
    text = Trimmed(text);
    // Either language's wording: a filter saved under one is read under the other.
    if (text.empty() || text == kAllUsers || text == kAllUsersByDefault || text == MoxText::tr(kAllUsers) ||
        text == MoxText::tr(kAllUsersByDefault))
        return {};
    const auto dash = text.find('-');
    if (dash == std::string_view::npos)
        return {std::string(text), std::string(text)};
    return {std::string(Trimmed(text.substr(0, dash))), std::string(Trimmed(text.substr(dash + 1)))};
}

ClientFilterMemory::ClientFilterMemory(std::filesystem::path loginHistoryDirectory, std::string_view host)
    : file_(std::move(loginHistoryDirectory) / (std::string(host.substr(0, host.find(':'))) + ".ini"))
{
}

std::vector<std::string> ClientFilterMemory::OwnFilters() const
{
    const IniProfile ini(file_);
    std::vector<std::string> filters;
    for (const char* key : kOwnKeys) {
        std::string filter = ini.ReadString(kSection, key, "", kFilterBuffer);
        if (!filter.empty())
            filters.push_back(std::move(filter));
    }
    return filters;
}

std::string ClientFilterMemory::Latest() const
{
    return IniProfile(file_).ReadString(kSection, "latest", "", kFilterBuffer);
}

bool ClientFilterMemory::Use(const std::string& filter)
{
    std::vector<std::string> own = OwnFilters();
    const auto& fixed = FixedClientFilters();
    const bool known = std::find(fixed.begin(), fixed.end(), filter) != fixed.end() ||
                       std::find(own.begin(), own.end(), filter) != own.end();
    if (!known && !filter.empty()) {
        own.insert(own.begin(), filter);
        own.resize(std::min(own.size(), kMostOwnFilters));
    }
    own.resize(kMostOwnFilters);
    return IniProfile(file_).WriteStrings(
        kSection, {{"ip1", own[0]}, {"ip2", own[1]}, {"ip3", own[2]}, {"latest", filter}});
}
