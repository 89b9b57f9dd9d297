#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace morvix::sim {

// Issues the identifiers of list entries. One counter serves every list, so an identifier of one
// list never names an entry of another, and a deleted entry's identifier is never given out again.
class IdIssuer {
public:
    std::string next();
    // Makes sure a loaded identifier is never issued again.
    void reserve(std::string_view id);
    uint64_t peek() const { return next_; }
    void restart(uint64_t next) { next_ = next; }

private:
    uint64_t next_ = 10001;
};

}  // namespace morvix::sim
