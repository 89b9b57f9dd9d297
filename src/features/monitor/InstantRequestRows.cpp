#include "features/monitor/InstantRequestRows.h"

#include <algorithm>
#include <cctype>
#include <functional>

namespace {

constexpr std::string_view kLineEnd = "\r\n";

struct LowerHash {
    std::size_t operator()(char c) const { return std::hash<int>()(std::tolower(static_cast<unsigned char>(c))); }
};

struct LowerEqual {
    bool operator()(char a, char b) const
    {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    }
};

}  // namespace

InstantRequestRows::Appended InstantRequestRows::Append(std::string_view text,
                                                        const std::function<void(const Appended&)>& beforeChange)
{
    // Only the part up to the last line end makes rows; the rest waits.
    std::string joined;
    std::string_view pending = text;
    if (!unfinished_.empty()) {
        joined = std::move(unfinished_) + std::string(text);
        unfinished_.clear();
        pending = joined;
    }
    const std::size_t lastEnd = pending.rfind(kLineEnd);
    const std::string_view whole = lastEnd == std::string_view::npos ? std::string_view() : pending.substr(0, lastEnd + 2);
    const std::string_view rest = pending.substr(whole.size());

    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < whole.size();) {
        const std::size_t end = whole.find(kLineEnd, start);
        lines.push_back(whole.substr(start, end - start));
        start = end + kLineEnd.size();
    }

    Appended appended;
    std::size_t skip = 0;
    // Each row beyond the limit empties the rows; the rows after it are numbered from 1 again.
    for (std::size_t held = Size(); held + (lines.size() - skip) > kMostRows; held = 0) {
        skip += kMostRows + 1 - held;
        appended.emptied = true;
    }
    appended.firstRow = appended.emptied ? 0 : Size();
    appended.count = lines.size() - skip;
    if (appended.emptied || appended.count > 0) {
        if (beforeChange)
            beforeChange(appended);
        if (appended.emptied) {
            text_.clear();
            ends_.clear();
        }
        for (std::size_t i = skip; i < lines.size(); ++i) {
            text_.append(lines[i]);
            ends_.push_back(text_.size());
            text_.push_back('\n');
        }
    }
    unfinished_.assign(rest);
    return appended;
}

void InstantRequestRows::Clear()
{
    text_.clear();
    ends_.clear();
    unfinished_.clear();
}

std::string_view InstantRequestRows::Line(std::size_t row) const
{
    const std::size_t start = Start(row);
    return std::string_view(text_).substr(start, ends_[row] - start);
}

std::optional<std::size_t> InstantRequestRows::Find(std::string_view needle, std::optional<std::size_t> after) const
{
    if (needle.empty() || ends_.empty() || needle.find('\n') != std::string_view::npos)
        return std::nullopt;
    const std::size_t from = after && *after + 1 < Size() ? *after + 1 : 0;
    if (auto found = FindIn(needle, from, Size()))
        return found;
    return from > 0 ? FindIn(needle, 0, from) : std::nullopt;
}

std::optional<std::size_t> InstantRequestRows::FindIn(std::string_view needle, std::size_t fromRow,
                                                      std::size_t toRow) const
{
    const auto first = text_.begin() + static_cast<std::ptrdiff_t>(Start(fromRow));
    const auto last = text_.begin() + static_cast<std::ptrdiff_t>(ends_[toRow - 1]);
    const std::boyer_moore_horspool_searcher searcher(needle.begin(), needle.end(), LowerHash(), LowerEqual());
    const auto match = std::search(first, last, searcher);
    if (match == last)
        return std::nullopt;
    const auto offset = static_cast<std::size_t>(match - text_.begin());
    return static_cast<std::size_t>(std::lower_bound(ends_.begin(), ends_.end(), offset) - ends_.begin());
}
