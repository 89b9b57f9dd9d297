#include "shell/ChildProcessArguments.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

std::vector<std::string> Strings(char* const* pointers)
{
    std::vector<std::string> strings;
    for (; *pointers; ++pointers)
        strings.emplace_back(*pointers);
    return strings;
}

}  // namespace

TEST(ChildProcessArguments, ProgramLeadsItsArgumentsAndExtraVariablesLeadTheInheritedOnes)
{
    const ChildProcessArguments child("/bin/tool", {"--json", "list"}, {"A=1", "B=2"});

    EXPECT_EQ(Strings(child.Argv()), (std::vector<std::string>{"/bin/tool", "--json", "list"}));
    std::vector<std::string> expected = {"A=1", "B=2"};
    for (char** inherited = environ; *inherited; ++inherited)
        expected.emplace_back(*inherited);
    EXPECT_EQ(Strings(child.Envp()), expected);
}
