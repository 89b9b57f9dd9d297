#include "features/config/CachedUrlLines.h"

std::size_t CutCachedUrlLines(std::string_view text, std::size_t from, std::size_t limit,
                              std::vector<CachedUrlSpan>& spans)
{
    const std::size_t stopAfter = limit > text.size() - from ? text.size() : from + limit;
    std::size_t start = from;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 2;
        if (end == std::string_view::npos)
            end = text.size();
        if (end > start)
            spans.push_back({static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(end - start)});
        start = next;
        if (start >= stopAfter)
            break;
    }
    return start;
}
