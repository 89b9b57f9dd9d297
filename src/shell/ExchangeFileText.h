#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The text files the operator exchanges with other consoles (rules, black list, DNS redirect
// list). They are written as UTF-8 without a byte-order mark, lines ended by CR LF; they are read
// as UTF-8 (a byte-order mark skipped), or as GB18030 when the bytes are not UTF-8, so that files
// from consoles on Chinese-language systems import intact.

// Writes the text with every line end made CR LF; false when the file could not be written.
bool WriteExchangeFile(const std::filesystem::path& file, std::string_view utf8Text);

// The file's text as UTF-8; none when it cannot be read.
std::optional<std::string> ReadExchangeFile(const std::filesystem::path& file);

// The bytes of such a file as UTF-8: the byte-order mark dropped, GB18030 converted, and what
// neither can read replaced by U+FFFD.
std::string ExchangeBytesToUtf8(std::string_view bytes);
