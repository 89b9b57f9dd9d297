#pragma once

#include "protocol/RequestValues.h"

#include <string>

namespace nsMoxHttp {

// The six requests of one of the server's ordered rule lists (list, add, modify, delete, up,
// down), by their request kinds; a rule travels as request values, an existing one keyed by its
// identifier.
class RuleListRequests {
public:
    struct Kinds {
        int list, add, modify, del, up, down;
    };

    constexpr RuleListRequests(Kinds kinds, const char* idKey) : kinds_(kinds), idKey_(idKey) {}

    // Values that start with the identifier when the rule has one (modify), without it for add.
    RequestValues Keyed(const std::string& id) const;

    bool List() const;
    bool Add(const RequestValues& rule) const;
    bool Modify(const RequestValues& rule) const;
    bool Delete(const std::string& id) const;
    bool Up(const std::string& id) const;
    bool Down(const std::string& id) const;

private:
    bool SendId(int kind, const std::string& id) const;

    Kinds kinds_;
    const char* idKey_;
};

}  // namespace nsMoxHttp
