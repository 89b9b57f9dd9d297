#pragma once

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

// Appends one line and its CR LF.
void AppendLine(std::string& text, std::string_view line);

// The file's bytes as UTF-8 text; nullopt when they are neither UTF-8 nor GB18030.
std::optional<std::string> Decode(std::string_view bytes);

// Creates or replaces the file with the UTF-8 text. False, with a reason, when it cannot be
// written; the previous content then stays whole.
bool Write(const std::filesystem::path& file, std::string_view text, std::string* error);

// The file as UTF-8 text; nullopt, with a reason, when it cannot be read or decoded.
std::optional<std::string> Read(const std::filesystem::path& file, std::string* error);

}  // namespace ExchangeFileText
