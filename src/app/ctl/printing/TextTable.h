#pragma once

#include <string>
#include <string_view>
#include <vector>

// Columns aligned by what a terminal shows: Chinese characters take two cells. Cells flagged as
// numbers are aligned to the right; the last column is not padded.
struct TextCell {
    std::string text;
    bool number = false;
};

std::string RenderTextTable(const std::vector<std::vector<TextCell>>& rows);

// The cells a terminal gives the UTF-8 text.
std::size_t DisplayWidth(std::string_view text);
