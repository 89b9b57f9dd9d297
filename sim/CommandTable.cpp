#include "CommandTable.h"

#include <stdexcept>

namespace morvix::sim {

std::string CommandTable::keyOf(std::string_view type, std::string_view cmd)
{
    std::string key(type);
    key += '\n';
    key += cmd;
    return key;
}

void CommandTable::add(std::string_view type, std::string_view cmd, Access access, CommandHandler handler)
{
    if (!commands_.emplace(keyOf(type, cmd), Command{access, std::move(handler)}).second)
        throw std::logic_error("command registered twice: " + std::string(type) + "/" + std::string(cmd));
}

const Command* CommandTable::find(std::string_view type, std::string_view cmd) const
{
    const auto it = commands_.find(keyOf(type, cmd));
    return it == commands_.end() ? nullptr : &it->second;
}

std::vector<std::pair<std::string, std::string>> CommandTable::names() const
{
    std::vector<std::pair<std::string, std::string>> result;
    for (const auto& entry : commands_) {
        const size_t split = entry.first.find('\n');
        result.emplace_back(entry.first.substr(0, split), entry.first.substr(split + 1));
    }
    return result;
}

}  // namespace morvix::sim
