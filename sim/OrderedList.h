#pragma once

#include "Record.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace morvix::sim {

// An ordered list of entries, each with an identifier, as the server keeps its rule lists:
// position matters (NO is the 1-based position), entries move up and down one place at a time.
class OrderedList {
public:
    struct Entry {
        std::string id;
        Record fields;
    };

    void append(std::string id, Record fields);
    Entry* find(std::string_view id);
    const Entry* find(std::string_view id) const;
    bool replace(std::string_view id, Record fields);
    bool remove(std::string_view id);
    // Moving the first entry up or the last down is accepted and changes nothing.
    bool moveUp(std::string_view id);
    bool moveDown(std::string_view id);
    void clear();

    const std::vector<Entry>& entries() const { return entries_; }
    size_t size() const { return entries_.size(); }
    // Changes with every modification, so that a written list can be reused until then.
    uint64_t version() const { return version_; }

private:
    std::vector<Entry>::iterator locate(std::string_view id);

    std::vector<Entry> entries_;
    uint64_t version_ = 0;
};

}  // namespace morvix::sim
