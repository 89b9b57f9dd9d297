#pragma once

#include <memory>
#include <optional>
#include <regex>
#include <string>
#include <string_view>

namespace morvix::sim {

// A URL pattern of a rule: wildcard (* any run, ? one character, whole URL), regular expression
// (ECMAScript, found anywhere in the URL) or exact text; each with or without letter case.
class UrlPattern {
public:
    enum Kind { Wildcard = 0, Regex = 1, Exact = 2 };

    // Nothing when a regular expression does not compile (or nests too deeply to compile safely).
    static std::optional<UrlPattern> compile(std::string pattern, int kind, bool ignoreCase);
    static bool isValidRegex(const std::string& pattern, bool ignoreCase);

    bool matches(std::string_view url) const;
    Kind kind() const { return kind_; }
    const std::string& text() const { return pattern_; }
    bool ignoresCase() const { return ignoreCase_; }

private:
    UrlPattern(std::string pattern, Kind kind, bool ignoreCase);
    bool matchesWildcard(std::string_view url) const;

    std::string pattern_;
    Kind kind_;
    bool ignoreCase_;
    std::shared_ptr<const std::regex> regex_;
};

}  // namespace morvix::sim
