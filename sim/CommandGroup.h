#pragma once

namespace morvix::sim {

class CommandTable;

// Something that answers administration commands.
class CommandGroup {
public:
    virtual ~CommandGroup() = default;
    virtual void registerCommands(CommandTable& table) = 0;
};

}  // namespace morvix::sim
