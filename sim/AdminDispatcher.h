#pragma once

#include "CommandTable.h"
#include "SessionStore.h"

#include <functional>
#include <mutex>
#include <string_view>

namespace morvix::sim {

// Judges one administration request in the order a real server does: known command, request
// number, session, role, then the command's own fields; runs it under the state lock, and has
// the state saved after every accepted change.
class AdminDispatcher {
public:
    AdminDispatcher(const CommandTable& commands, SessionStore& sessions, std::mutex& stateMutex,
                    std::function<void()> afterChange);

    // `requestIdRequired` is false only for the browser page of the live stream, whose address
    // carries no request number.
    Reply dispatch(std::string_view type, std::string_view cmd, const FormFields& fields,
                   bool requestIdRequired = true) const;

private:
    Reply run(const Command& command, std::string_view type, std::string_view cmd, const FormFields& fields) const;

    const CommandTable& commands_;
    SessionStore& sessions_;
    std::mutex& stateMutex_;
    std::function<void()> afterChange_;
};

}  // namespace morvix::sim
