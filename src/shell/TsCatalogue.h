#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>

#include "shell/InterfaceLanguage.h"

// The finished translations of one catalogue in the translation tools' XML form (.ts), by Chinese
// source text. morvixctl has no Qt to load the compiled catalogue with, and reads this one instead.
class TsCatalogue {
public:
    // Empty when the file is missing or unreadable: the Chinese texts stand.
    static TsCatalogue Load(const std::filesystem::path& file);

    // The translation of source, or source itself when the catalogue has none.
    std::string Translate(std::string_view source) const;
    std::size_t Size() const { return texts_.size(); }
    const std::unordered_map<std::string, std::string>& Entries() const { return texts_; }

private:
    std::unordered_map<std::string, std::string> texts_;
};

// For a program without Qt: the core's texts are translated through the catalogue of language
// beside the program from now on. Chinese needs none. False when the catalogue is missing or
// empty; the texts stay Chinese then.
bool InstallTsCatalogue(InterfaceLanguage language);
