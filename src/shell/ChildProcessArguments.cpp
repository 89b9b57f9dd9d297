#include "shell/ChildProcessArguments.h"

#include <unistd.h>

ChildProcessArguments::ChildProcessArguments(const std::string& program, const std::vector<std::string>& arguments,
                                             const std::vector<std::string>& environment)
    : argv_{program}, environment_(environment)
{
    argv_.insert(argv_.end(), arguments.begin(), arguments.end());
    for (std::string& argument : argv_)
        argvPointers_.push_back(argument.data());
    argvPointers_.push_back(nullptr);
    for (std::string& variable : environment_)
        envPointers_.push_back(variable.data());
    for (char** inherited = environ; *inherited; ++inherited)
        envPointers_.push_back(*inherited);
    envPointers_.push_back(nullptr);
}
