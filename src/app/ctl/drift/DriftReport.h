#pragma once

#include "DriftAudit.h"

#include <ostream>
#include <string>
#include <vector>

// What the audit found for one server.
struct DriftVerdict {
    enum class State { Reference, Same, Differs, Failed };
    std::string server;
    State state = State::Same;
    std::string outcome;  // a failed read: the fleet's outcome, and the cause it gave
    std::string status;
    std::vector<FamilyDrift> drift;
};

// For people: per server (or per group of servers alike, with `grouped`) its state and each missing,
// extra and differing record; then the recap "3 of 27 servers differ". With `json` the same as one
// document.
void WriteDriftReport(std::ostream& out, const std::string& reference, const std::vector<DriftVerdict>& verdicts,
                      bool json, bool grouped);

// "3 of 27 servers differ", and how many could not be read when any.
std::string DriftRecap(const std::vector<DriftVerdict>& verdicts);
