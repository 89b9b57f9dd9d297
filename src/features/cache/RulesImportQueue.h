#pragma once

#include "features/cache/RulesFile.h"

#include <cstddef>

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

    // True for the completion events of the four add requests.
    static bool IsAddCompletion(int kind);

private:
    RuleSet rules_;
    std::size_t next_ = 0;
};
