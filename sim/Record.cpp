#include "Record.h"

namespace morvix::sim {

Record& Record::set(std::string_view key, std::string value)
{
    for (auto& field : fields_) {
        if (field.first == key) {
            field.second = std::move(value);
            return *this;
        }
    }
    fields_.emplace_back(std::string(key), std::move(value));
    return *this;
}

const std::string* Record::find(std::string_view key) const
{
    for (const auto& field : fields_) {
        if (field.first == key)
            return &field.second;
    }
    return nullptr;
}

const std::string& Record::get(std::string_view key) const
{
    static const std::string empty;
    const std::string* value = find(key);
    return value ? *value : empty;
}

}  // namespace morvix::sim
