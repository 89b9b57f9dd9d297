#include "UrlPattern.h"

#include <algorithm>

namespace morvix::sim {

namespace {

// std::regex compiles and matches recursively; deeper nesting than this could exhaust the stack.
constexpr int maxRegexNesting = 64;

bool nestsTooDeeply(const std::string& pattern)
{
    int depth = 0;
    for (char c : pattern) {
        if (c == '(' && ++depth > maxRegexNesting)
            return true;
        if (c == ')' && depth > 0)
            --depth;
    }
    return false;
}

std::shared_ptr<const std::regex> compileRegex(const std::string& pattern, bool ignoreCase)
{
    if (nestsTooDeeply(pattern))
        return nullptr;
    auto flags = std::regex::ECMAScript;
    if (ignoreCase)
        flags |= std::regex::icase;
    try {
        return std::make_shared<const std::regex>(pattern, flags);
    } catch (const std::regex_error&) {
        return nullptr;
    }
}

char folded(char c, bool ignoreCase)
{
    return ignoreCase && c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

UrlPattern::UrlPattern(std::string pattern, Kind kind, bool ignoreCase)
    : pattern_(std::move(pattern)), kind_(kind), ignoreCase_(ignoreCase)
{
}

std::optional<UrlPattern> UrlPattern::compile(std::string pattern, int kind, bool ignoreCase)
{
    const Kind checked = kind == Regex ? Regex : kind == Exact ? Exact : Wildcard;
    UrlPattern result(std::move(pattern), checked, ignoreCase);
    if (checked == Regex) {
        result.regex_ = compileRegex(result.pattern_, ignoreCase);
        if (!result.regex_)
            return std::nullopt;
    }
    return result;
}

bool UrlPattern::isValidRegex(const std::string& pattern, bool ignoreCase)
{
    return compileRegex(pattern, ignoreCase) != nullptr;
}

bool UrlPattern::matches(std::string_view url) const
{
    switch (kind_) {
    case Regex:
        try {
            return std::regex_search(url.begin(), url.end(), *regex_);
        } catch (const std::regex_error&) {
            return false;
        }
    case Exact:
        return url.size() == pattern_.size() &&
               std::equal(url.begin(), url.end(), pattern_.begin(),
                          [&](char a, char b) { return folded(a, ignoreCase_) == folded(b, ignoreCase_); });
    case Wildcard:
        return matchesWildcard(url);
    }
    return false;
}

bool UrlPattern::matchesWildcard(std::string_view url) const
{
    // Greedy match with one backtrack point: the last star seen.
    size_t p = 0, u = 0;
    size_t starAt = std::string::npos, resumeAt = 0;
    while (u < url.size()) {
        if (p < pattern_.size() &&
            (pattern_[p] == '?' || folded(pattern_[p], ignoreCase_) == folded(url[u], ignoreCase_))) {
            ++p;
            ++u;
        } else if (p < pattern_.size() && pattern_[p] == '*') {
            starAt = p++;
            resumeAt = u;
        } else if (starAt != std::string::npos) {
            p = starAt + 1;
            u = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern_.size() && pattern_[p] == '*')
        ++p;
    return p == pattern_.size();
}

}  // namespace morvix::sim
