#include "OutputGroups.h"

#include <algorithm>
#include <map>

std::vector<OutputGroup> GroupIdentical(const std::vector<std::string>& servers,
                                        const std::vector<std::string>& outputs)
{
    std::vector<OutputGroup> groups;
    std::map<std::string_view, std::size_t> groupOf;
    for (std::size_t i = 0; i < servers.size(); ++i) {
        const auto [at, added] = groupOf.try_emplace(outputs[i], groups.size());
        if (added)
            groups.push_back({{}, i});
        groups[at->second].servers.push_back(servers[i]);
    }
    std::stable_sort(groups.begin(), groups.end(), [](const OutputGroup& a, const OutputGroup& b) {
        return a.servers.size() > b.servers.size();
    });
    return groups;
}

std::string GroupHeading(const OutputGroup& group)
{
    std::string heading;
    for (std::size_t i = 0; i < group.servers.size(); ++i)
        heading += (i == 0 ? "" : i + 1 == group.servers.size() ? " and " : ", ") + group.servers[i];
    if (group.servers.size() > 1)
        heading += " (" + std::to_string(group.servers.size()) + ")";
    return heading;
}
