#pragma once

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace morvix::test {

// Runs a command line through the shell; its exit status, with its standard output in `out`.
inline int RunShell(const std::string& command, std::string* out = nullptr)
{
    std::string collected;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return -1;
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        collected.append(buffer, got);
    const int status = ::pclose(pipe);
    if (out)
        *out = collected;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace morvix::test
