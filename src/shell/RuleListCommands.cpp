#include "shell/RuleListCommands.h"

#include <algorithm>

RuleListCommandStates EvaluateRuleListCommands(bool busy, const std::vector<int>& selectedRows, int rowCount)
{
    RuleListCommandStates states;
    states.add = !busy;
    states.refresh = !busy;
    if (busy || selectedRows.empty())
        return states;
    states.remove = true;
    if (selectedRows.size() > 1)
        return states;
    const int row = selectedRows.front();
    states.modify = true;
    states.monitor = true;
    states.up = row > 0;
    states.down = row < rowCount - 1;
    return states;
}
