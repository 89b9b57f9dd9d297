#pragma once

#include "FormFields.h"
#include "Reply.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace morvix::sim {

// Who may run a command: anyone (sign-in), any signed-in account, or only the administrator.
enum class Access { Public, Read, Change };

using CommandHandler = std::function<Reply(const FormFields&)>;

struct Command {
    Access access;
    CommandHandler handler;
};

// The (type, cmd) pairs this server answers and the handler of each.
class CommandTable {
public:
    void add(std::string_view type, std::string_view cmd, Access access, CommandHandler handler);
    const Command* find(std::string_view type, std::string_view cmd) const;
    std::vector<std::pair<std::string, std::string>> names() const;

private:
    static std::string keyOf(std::string_view type, std::string_view cmd);

    std::map<std::string, Command, std::less<>> commands_;
};

}  // namespace morvix::sim
