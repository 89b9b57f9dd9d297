#include "UrlPattern.h"

#include <re2/re2.h>

#include <algorithm>

namespace morvix::sim {

namespace {

std::shared_ptr<const re2::RE2> compileRegex(const std::string& pattern, bool ignoreCase)
{
    if (pattern.size() > UrlPattern::kMaxRegexBytes)
        return nullptr;
    re2::RE2::Options options;
    options.set_case_sensitive(!ignoreCase);
    // A refused pattern is an answer to the client, not a line on the simulator's console.
    options.set_log_errors(false);
    auto regex = std::make_shared<const re2::RE2>(pattern, options);
    return regex->ok() ? regex : nullptr;
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
        return re2::RE2::PartialMatch(re2::StringPiece(url.data(), url.size()), *regex_);
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
    // Greedy match with one backtrack point: the last star seen. The pattern's star is tested
    // first, so that a star in the URL is plain text that only a star or a ? of the pattern meets.
    size_t p = 0, u = 0;
    size_t starAt = std::string::npos, resumeAt = 0;
    while (u < url.size()) {
        if (p < pattern_.size() && pattern_[p] == '*') {
            starAt = p++;
            resumeAt = u;
        } else if (p < pattern_.size() &&
                   (pattern_[p] == '?' || folded(pattern_[p], ignoreCase_) == folded(url[u], ignoreCase_))) {
            ++p;
            ++u;
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
