#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace re2 {
class RE2;
}

namespace morvix::sim {

// A URL pattern of a rule: wildcard (* any run, ? one character, whole URL), regular expression
// (RE2 syntax, found anywhere in the URL) or exact text; each with or without letter case.
// Regular expressions run on RE2, in time linear in the URL, so no rule can hold a request thread.
class UrlPattern {
public:
    enum Kind { Wildcard = 0, Regex = 1, Exact = 2 };

    // Longest regular expression accepted: 1024 characters of the console's URL field, in UTF-8.
    static constexpr std::size_t kMaxRegexBytes = 4096;

    // Nothing when a regular expression is longer than kMaxRegexBytes or does not compile.
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
    std::shared_ptr<const re2::RE2> regex_;
};

}  // namespace morvix::sim
