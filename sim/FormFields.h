#pragma once

#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace morvix::sim {

// The name=value pairs of a form body (or a query string), decoded. Every accessor that finds a
// field missing or malformed throws AdminError(BadField), which the client sees as error 23.
class FormFields {
public:
    using Pair = std::pair<std::string, std::string>;

    // Throws AdminError(BadField) on a malformed percent escape.
    static FormFields parse(std::string_view body);

    bool has(std::string_view name) const;
    // The last value given for a name wins, as a later pair overrides an earlier one.
    const std::string* find(std::string_view name) const;

    const std::string& text(std::string_view name) const;
    // Required text of at most `maxCharacters` characters; `nonEmpty` refuses an empty value.
    std::string text(std::string_view name, size_t maxCharacters, bool nonEmpty) const;
    std::string textOr(std::string_view name, std::string fallback) const;
    long long number(std::string_view name, long long min = std::numeric_limits<long long>::min(),
                     long long max = std::numeric_limits<long long>::max()) const;
    int flag(std::string_view name) const;

    const std::vector<Pair>& pairs() const { return pairs_; }

private:
    std::vector<Pair> pairs_;
};

// Strict decimal: an optional sign and at most 18 digits, nothing else.
bool parseDecimal(std::string_view text, long long& value);

}  // namespace morvix::sim
