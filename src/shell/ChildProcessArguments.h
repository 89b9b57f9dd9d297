#pragma once

#include <string>
#include <vector>

// The argument and environment vectors of a program about to be started with fork and execve,
// made whole before the fork: between fork and exec a threaded program may not allocate.
// The environment is the extra variables followed by this process's own.
class ChildProcessArguments {
public:
    ChildProcessArguments(const std::string& program, const std::vector<std::string>& arguments,
                          const std::vector<std::string>& environment);

    ChildProcessArguments(const ChildProcessArguments&) = delete;
    ChildProcessArguments& operator=(const ChildProcessArguments&) = delete;

    // The program, then its arguments; ends with a null pointer.
    char* const* Argv() const { return argvPointers_.data(); }
    // Ends with a null pointer.
    char* const* Envp() const { return envPointers_.data(); }

private:
    std::vector<std::string> argv_;
    std::vector<std::string> environment_;
    std::vector<char*> argvPointers_;
    std::vector<char*> envPointers_;
};
