#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace morvix::sim {

// An ordered set of named text values: one JSON object of a reply, or the stored fields of a
// list entry. Every value is text, so every reply value leaves this server as a JSON string.
class Record {
public:
    using Field = std::pair<std::string, std::string>;

    Record() = default;
    Record(std::initializer_list<Field> fields) : fields_(fields) {}

    // Sets the value of a field, keeping its place when it exists and appending it otherwise.
    Record& set(std::string_view key, std::string value);
    const std::string* find(std::string_view key) const;
    // The value of a field, or empty text when it is absent.
    const std::string& get(std::string_view key) const;

    const std::vector<Field>& fields() const { return fields_; }
    bool operator==(const Record&) const = default;

private:
    std::vector<Field> fields_;
};

}  // namespace morvix::sim
