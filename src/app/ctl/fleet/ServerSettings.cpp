#include "ServerSettings.h"

#include <charconv>
#include <fstream>
#include <iostream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The console keeps saved passwords in the desktop's Secret Service under its own service name,
// one entry per account and server; secret-tool reads them without a desktop library.
std::optional<std::string> KeyringPassword(const std::string& server, const std::string& role)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return std::nullopt;
    const std::string user = role + "@" + server;
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(pipeEnds[1], STDOUT_FILENO);
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        ::execlp("secret-tool", "secret-tool", "lookup", "server", "morvix-console", "user", user.c_str(),
                 static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(pipeEnds[1]);
    std::string password;
    char buffer[256];
    for (ssize_t got; child > 0 && (got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        password.append(buffer, static_cast<std::size_t>(got));
    ::close(pipeEnds[0]);
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return password;
}

}  // namespace

std::optional<std::string> SetServerSetting(ServerSettings& settings, std::string_view name, std::string_view value)
{
    if (name == "role") {
        if (value != "admin" && value != "keeper")
            return "role is admin or keeper";
        settings.role = std::string(value);
    } else if (name == "password") {
        if (value != "keyring" && (!value.starts_with("file:") || value.size() == 5))
            return "password is keyring or file:PATH; a password itself is never written here";
        settings.password = std::string(value);
    } else if (name == "time-limit") {
        unsigned seconds = 0;
        const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), seconds);
        if (error != std::errc() || end != value.data() + value.size() || seconds < 1 || seconds > 86400)
            return "time-limit is 1 to 86400 seconds";
        settings.timeLimitSeconds = seconds;
    } else {
        return "the settings are role, password and time-limit";
    }
    return std::nullopt;
}

std::optional<std::string> ReadSettingPassword(const std::string& source, const std::string& server,
                                               const std::string& role)
{
    if (source == "keyring") {
        if (std::optional<std::string> password = KeyringPassword(server, role))
            return password;
        std::cerr << "morvixctl: the keyring holds no password for " << role << "@" << server << "\n";
        return std::nullopt;
    }
    const std::string path = source.substr(5);
    std::ifstream file(path);
    std::string password;
    if (!file || !std::getline(file, password)) {
        std::cerr << "morvixctl: cannot read the password of " << server << " from " << path << "\n";
        return std::nullopt;
    }
    if (password.ends_with('\r'))
        password.pop_back();
    return password;
}
