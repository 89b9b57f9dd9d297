#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The text files an operator exchanges between consoles, servers and scripts (rules, the black
// list, the DNS redirect list). Written as UTF-8 without a byte-order mark, every line ended by
// CR LF. Read as UTF-8 (a leading byte-order mark skipped); bytes that are not UTF-8 are taken as
// GB18030, so files written by consoles on Chinese-language systems keep their notes.
namespace ExchangeFileText {

inline constexpr std::string_view kLineEnd = "\r\n";
// A larger file is no list an operator meant to choose: it is refused before it is read.
inline constexpr std::uintmax_t kMostBytes = 16u << 20;

// A file's text as written, and what the format made the writing change.
struct Written {
    std::string text;
    // Values whose line breaks were written as blanks: a break would start a line of its own,
    // read as a key, a section or an entry that no record had.
    std::size_t flattenedValues = 0;
    // Entries the format cannot carry, left out.
    std::size_t leftOutEntries = 0;
};

// Appends one line and its CR LF.
void AppendLine(std::string& text, std::string_view line);

bool HasLineBreak(std::string_view value);
// The value with each line break (CR LF, CR or LF) written as one blank.
std::string OneLine(std::string_view value);
// Makes the value one line in place; true when it held a line break.
bool Flatten(std::string& value);

// The status text of a finished export: `done`, then how many values were flattened and how
// many entries (`leftOutWhat`) were left out, when any were.
std::string ExportStatusText(std::string_view done, const Written& written, std::string_view leftOutWhat = {});

// The file's bytes as UTF-8 text; nullopt when they are neither UTF-8 nor GB18030.
std::optional<std::string> Decode(std::string_view bytes);

// Creates or replaces the file with the UTF-8 text. False, with a reason, when it cannot be
// written; the previous content then stays whole.
bool Write(const std::filesystem::path& file, std::string_view text, std::string* error);

// The file as UTF-8 text; nullopt, with a reason, when it cannot be read or decoded, or when it
// is larger than kMostBytes (the reason names its size).
std::optional<std::string> Read(const std::filesystem::path& file, std::string* error);

}  // namespace ExchangeFileText
