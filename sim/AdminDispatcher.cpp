#include "AdminDispatcher.h"

#include "AdminError.h"

#include <iostream>

namespace morvix::sim {

AdminDispatcher::AdminDispatcher(const CommandTable& commands, SessionStore& sessions, std::mutex& stateMutex,
                                 std::function<void()> afterChange)
    : commands_(commands), sessions_(sessions), stateMutex_(stateMutex), afterChange_(std::move(afterChange))
{
}

Reply AdminDispatcher::dispatch(std::string_view type, std::string_view cmd, const FormFields& fields,
                                bool requestIdRequired) const
{
    const Command* command = commands_.find(type, cmd);
    if (!command)
        return Reply::refused(Unsupported);
    try {
        if (requestIdRequired)
            fields.number("RequestID", 0, 4294967295LL);
        if (command->access != Access::Public) {
            const auto role = sessions_.use(fields.text("SessionID"));
            if (!role)
                return Reply::refused(SessionExpired);
            if (command->access == Access::Change && *role == Role::Keeper)
                return Reply::refused(ReadOnlyAccount);
        }
    } catch (const AdminError& error) {
        return Reply::refused(error.number());
    }
    return run(*command, type, cmd, fields);
}

Reply AdminDispatcher::run(const Command& command, std::string_view type, std::string_view cmd,
                           const FormFields& fields) const
{
    std::lock_guard lock(stateMutex_);
    try {
        Reply reply = command.handler(fields);
        if (reply.isAccepted() && command.access != Access::Read)
            afterChange_();
        return reply;
    } catch (const AdminError& error) {
        return Reply::refused(error.number());
    } catch (const std::exception& error) {
        std::cerr << "morvix-sim: " << type << "/" << cmd << " failed: " << error.what() << std::endl;
        return Reply::refused(BadField);
    }
}

}  // namespace morvix::sim
