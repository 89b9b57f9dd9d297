#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Cuts a finished text into lines for one reader at a time. Line breaks are any run of CR and LF
// bytes, so empty lines are skipped; a line longer than kMaxLineBytes comes out in pieces.
class CZebLineParse {
public:
    static constexpr std::size_t kMaxLineBytes = 256;

    // 1 when the text was taken (reading starts again at its beginning); 0 for an empty text,
    // which leaves what was loaded before.
    int Load(std::string_view text);

    // -1 when nothing is loaded, 0 at the end of the text, otherwise the bytes put into line.
    int ReadLine(std::string& line);

private:
    std::string data_;
    std::size_t pos_ = 0;
    bool loaded_ = false;
};
