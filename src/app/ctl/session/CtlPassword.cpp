#include "CtlPassword.h"

#include <cstdlib>
#include <iostream>
#include <termios.h>
#include <unistd.h>

namespace {

std::optional<std::string> AskWithoutEcho(const std::string& prompt)
{
    termios saved{};
    if (::tcgetattr(STDIN_FILENO, &saved) != 0)
        return std::nullopt;
    termios silent = saved;
    silent.c_lflag &= static_cast<tcflag_t>(~ECHO);
    std::cerr << prompt << std::flush;
    ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &silent);
    std::string line;
    const bool read = static_cast<bool>(std::getline(std::cin, line));
    ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
    std::cerr << '\n';
    if (!read)
        return std::nullopt;
    return line;
}

}  // namespace

std::optional<std::string> ResolveCtlPassword(const std::optional<std::string>& given, const std::string& prompt)
{
    if (given)
        return given;
    if (const char* fromEnvironment = std::getenv("MORVIX_PASSWORD"))
        return std::string(fromEnvironment);
    if (::isatty(STDIN_FILENO))
        if (std::optional<std::string> typed = AskWithoutEcho(prompt))
            return typed;
    std::cerr << "morvixctl: no password: give --password, set MORVIX_PASSWORD or run on a terminal\n";
    return std::nullopt;
}
