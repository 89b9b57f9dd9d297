#include "shell/IniText.h"

#include "shell/Utf8Text.h"

// Used as a header-only parser: the packaged header keeps its code behind SI_IMPLEMENTATION, and
// only the narrow, case-insensitive class is needed, so no wide-text converter either.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

struct IniText::Parsed {
    CSimpleIniA ini;
    bool loaded = false;
};

IniText::IniText(std::string_view text) : parsed_(std::make_unique<Parsed>())
{
    parsed_->ini.SetQuotes(true);
    parsed_->loaded = parsed_->ini.LoadData(text.data(), text.size()) >= 0;
}

IniText::~IniText() = default;

bool IniText::Loaded() const
{
    return parsed_->loaded;
}

std::optional<std::string> IniText::Value(std::string_view section, std::string_view key) const
{
    if (!parsed_->loaded)
        return std::nullopt;
    const char* value = parsed_->ini.GetValue(std::string(section).c_str(), std::string(key).c_str(), nullptr);
    if (value == nullptr)
        return std::nullopt;
    return std::string(value);
}

std::string IniText::ReadString(std::string_view section, std::string_view key, std::string_view fallback,
                                std::size_t bufferCharacters) const
{
    const std::optional<std::string> value = Value(section, key);
    const std::string_view chosen = value ? std::string_view(*value) : fallback;
    return std::string(Utf8Text::CutToCharacters(chosen, bufferCharacters == 0 ? 0 : bufferCharacters - 1));
}
