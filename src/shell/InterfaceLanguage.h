#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The language of the operator's texts. Chinese is the source every text is written in; English
// comes from the catalogue beside the program.
enum class InterfaceLanguage { Chinese, English };

// "en", "zh" and locale names ("en_US.UTF-8", "zh_CN"); nothing for others ("C", "de_DE", "").
std::optional<InterfaceLanguage> InterfaceLanguageNamed(std::string_view name);

// The command line's --lang wins, then the setting in the user's settings file, then the
// desktop's locale; a locale without a catalogue (and the plain C locale) gets Chinese.
InterfaceLanguage ChooseInterfaceLanguage(std::string_view commandLine, std::string_view setting,
                                          std::string_view systemLocale);

// [Gui] Language of the user's settings file, read over the shipped one; empty when unset.
std::string InterfaceLanguageSetting();

// The locale the C library would take for messages: LC_ALL, else LC_MESSAGES, else LANG.
std::string EnvironmentMessagesLocale();

// translations/ beside the executable, else the installed <prefix>/share/morvix/translations.
std::filesystem::path TranslationsDirectory();

// The language the texts are shown in, as the program installed it at start-up (Chinese until then).
void SetInstalledInterfaceLanguage(InterfaceLanguage language);
InterfaceLanguage InstalledInterfaceLanguage();

// Base name of the catalogue files (".ts", ".qm") of a language; empty for Chinese, which needs none.
std::string CatalogueName(InterfaceLanguage language);
