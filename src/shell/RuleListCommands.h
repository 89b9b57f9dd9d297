#pragma once

#include <vector>

// Which commands of a rule list may run. Add and refresh need only an idle view; delete needs a
// selection; modify, the moves and the monitor act on exactly one row, and a move must have a row
// to exchange with.
struct RuleListCommandStates {
    bool add = false;
    bool refresh = false;
    bool remove = false;
    bool modify = false;
    bool up = false;
    bool down = false;
    bool monitor = false;
};

RuleListCommandStates EvaluateRuleListCommands(bool busy, const std::vector<int>& selectedRows, int rowCount);
