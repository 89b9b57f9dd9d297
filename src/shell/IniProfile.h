#pragma once

#include <cstddef>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

// The one INI helper of the console, with the platform's private-profile behaviour: a missing file
// or key gives the default, section and key names are case-insensitive, and a write creates the
// file when needed and keeps every other section, key and comment in it. Reads never change the
// file, so an unreadable or damaged file only yields defaults.
class IniProfile {
public:
    struct Entry {
        std::string_view key;
        std::string_view value;
    };

    explicit IniProfile(std::filesystem::path file);
    // Reads the file key by key over the defaults, a file that is only read (the shipped
    // settings); writes go to the file alone, whose missing directories are made owner-only.
    IniProfile(std::filesystem::path file, std::filesystem::path defaults);

    const std::filesystem::path& File() const { return file_; }

    // As if read into a buffer of bufferCharacters characters: the value, or the default, is cut
    // to bufferCharacters - 1 characters, never inside a character.
    std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback,
                           std::size_t bufferCharacters) const;

    // Written atomically. False, with the file untouched, when a name or value cannot be stored
    // on one INI line, when an existing file cannot be read (its content would be lost), or on an
    // I/O error.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value) const;
    bool WriteStrings(std::string_view section, std::initializer_list<Entry> entries) const;

private:
    std::filesystem::path file_;
    std::filesystem::path defaults_;
};
