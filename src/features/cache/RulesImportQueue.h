#pragma once

#include "features/cache/RulesFile.h"

#include <cstddef>
#include <string>

// The rules of a file, sent to the server one add request at a time: page-cache rules first,
// then refuse-cache, session-cache and rewrite rules. The caller waits for each add's completion,
// the one carrying the step's request number, (or gives it up) before it sends the next: two rules
// of the same pattern, or the late reply to an add given up, cannot be taken for the one in flight.
class RulesImportQueue {
public:
    struct Step {
        int completionEvent = 0;       // the event kind that completes this add
        unsigned long requestNumber = 0;  // the completion's; 0: nothing went out, none will come
        std::string rule;                 // the list and key of the rule, as "fcache Url=/news/*"
    };

    explicit RulesImportQueue(RuleSet rules) : rules_(std::move(rules)) {}

    std::size_t Total() const { return rules_.Size(); }
    std::size_t Sent() const { return next_; }
    bool Finished() const { return next_ >= Total(); }

    // Sends the next rule; call only while not Finished.
    Step SendNext();

    // Where the rule sent as the index'th lies: what is looked for when its answer never came.
    enum Family { eFCache, eRCache, eSCache, eRewrite };
    struct Place {
        Family family;
        std::size_t index;  // within the family's rules
    };
    Place PlaceOf(std::size_t index) const;
    const RuleSet& Rules() const { return rules_; }

private:
    RuleSet rules_;
    std::size_t next_ = 0;
};
