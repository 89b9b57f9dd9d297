#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// INI text held in memory, read with the private-profile rules: section and key names found
// case-insensitively, blanks around keys and values ignored.
class IniText {
public:
    explicit IniText(std::string_view text);
    ~IniText();
    IniText(const IniText&) = delete;
    IniText& operator=(const IniText&) = delete;

    // False when the text could not be parsed at all; every value is then missing.
    bool Loaded() const;
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    // As if read into a buffer of bufferCharacters characters: the value, or the default, cut to
    // bufferCharacters - 1 characters, never inside a character.
    std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback,
                           std::size_t bufferCharacters) const;

private:
    struct Parsed;
    std::unique_ptr<Parsed> parsed_;
};
