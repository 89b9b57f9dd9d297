#include "shell/InterfaceLanguage.h"

#include <atomic>
#include <cstdlib>

#include "shell/AppPaths.h"
#include "shell/IniProfile.h"

namespace {
std::atomic<InterfaceLanguage> installedLanguage{InterfaceLanguage::Chinese};
}

void SetInstalledInterfaceLanguage(InterfaceLanguage language)
{
    installedLanguage.store(language);
}

InterfaceLanguage InstalledInterfaceLanguage()
{
    return installedLanguage.load();
}

std::optional<InterfaceLanguage> InterfaceLanguageNamed(std::string_view name)
{
    const std::string_view language = name.substr(0, name.find_first_of("_.@-"));
    if (language == "en")
        return InterfaceLanguage::English;
    if (language == "zh")
        return InterfaceLanguage::Chinese;
    return std::nullopt;
}

InterfaceLanguage ChooseInterfaceLanguage(std::string_view commandLine, std::string_view setting,
                                          std::string_view systemLocale)
{
    for (const std::string_view choice : {commandLine, setting, systemLocale})
        if (const auto language = InterfaceLanguageNamed(choice))
            return *language;
    return InterfaceLanguage::Chinese;
}

std::string InterfaceLanguageSetting()
{
    const IniProfile settings(AppPaths::UserConfigDirectory() / "MorvixAdmin.ini",
                              AppPaths::ApplicationDataFile("MorvixAdmin.ini"));
    return settings.ReadString("Gui", "Language", "", 16);
}

std::string EnvironmentMessagesLocale()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* value = std::getenv(variable); value && *value)
            return value;
    return {};
}

std::filesystem::path TranslationsDirectory()
{
    return AppPaths::BesideOrInstalled(AppPaths::ExecutableDirectory(), "translations", "share/morvix/translations");
}

std::string CatalogueName(InterfaceLanguage language)
{
    return language == InterfaceLanguage::English ? "morvix_en" : "";
}
