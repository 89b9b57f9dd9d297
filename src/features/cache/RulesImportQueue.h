#pragma once

#include "features/cache/RulesFile.h"

#include <cstddef>

class CMoxEventParam;

// The rules of a file, sent to the server one add request at a time: page-cache rules first,
// then refuse-cache, session-cache and rewrite rules. The caller waits for each add's completion
// (or gives it up) before it sends the next.
class RulesImportQueue {
public:
    struct Step {
        int completionEvent = 0;  // the event kind that completes this add
        bool sent = false;        // false: nothing went out, no completion will come
    };

    explicit RulesImportQueue(RuleSet rules) : rules_(std::move(rules)) {}

    std::size_t Total() const { return rules_.Size(); }
    std::size_t Sent() const { return next_; }
    bool Finished() const { return next_ >= Total(); }

    // Sends the next rule; call only while not Finished.
    Step SendNext();

    // False for a completion whose record names a rule other than the one sent last: the late reply
    // to an earlier add that was given up after its time, which must not let the next rule go out
    // while the last one is still on its way. Refusals and failures name no rule and count.
    bool IsCompletionOfLast(const CMoxEventParam* record) const;

private:
    enum Family { eFCache, eRCache, eSCache, eRewrite };
    struct Place {
        Family family;
        std::size_t index;  // within the family's rules
    };
    Place PlaceOf(std::size_t index) const;

    RuleSet rules_;
    std::size_t next_ = 0;
};
