#pragma once

#include <optional>
#include <string>
#include <string_view>

// What a servers file may set for a group or one server, over the command line's values.
struct ServerSettings {
    std::optional<std::string> role;
    std::optional<std::string> password;  // where the password is: "keyring" or "file:PATH", never itself
    std::optional<unsigned> timeLimitSeconds;

    // The server's own values over its group's.
    ServerSettings Over(const ServerSettings& group) const
    {
        return {role ? role : group.role, password ? password : group.password,
                timeLimitSeconds ? timeLimitSeconds : group.timeLimitSeconds};
    }
};

// Takes one NAME=VALUE (role, password, time-limit); the reason when it is no setting.
std::optional<std::string> SetServerSetting(ServerSettings& settings, std::string_view name, std::string_view value);

// The password a setting points at; none, the reason printed, when it cannot be had.
std::optional<std::string> ReadSettingPassword(const std::string& source, const std::string& server,
                                               const std::string& role);
