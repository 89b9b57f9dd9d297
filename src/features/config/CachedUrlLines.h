#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// Where one URL lies in the cached-URL reply: the list keeps these instead of a copy per line, so
// that a million URLs cost the reply's text and eight bytes each.
struct CachedUrlSpan {
    std::uint32_t offset;
    std::uint32_t length;
};

// Cuts the reply at CR LF from `from` on, at most up to `limit` bytes further (rounded up to the
// end of the line under way), skipping empty lines. Returns the position to go on from, which is
// text.size() once the whole text is cut. A lone LF or CR stays part of its line.
std::size_t CutCachedUrlLines(std::string_view text, std::size_t from, std::size_t limit,
                              std::vector<CachedUrlSpan>& spans);

