// The English catalogue as the programs read it: every translation keeps its source's
// placeholders (a text formatted with a missing or reordered %d reads past its arguments), holds
// no Chinese, and the status texts the core builds come out whole in either language.
#include "protocol/StatusText.h"
#include "shell/AppPaths.h"
#include "shell/IniProfile.h"
#include "shell/InterfaceLanguage.h"
#include "shell/MoxText.h"
#include "shell/TsCatalogue.h"
#include "transport/CertificateFailure.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

// printf conversions in order, then Qt's %1..%9 as a set (Qt may reorder them).
std::string Placeholders(const std::string& text)
{
    static const std::regex printf("%[-+ #0]*[0-9]*(?:\\.[0-9]+)?[a-zA-Z%]");
    std::string found;
    for (std::sregex_iterator it(text.begin(), text.end(), printf), end; it != end; ++it)
        found += it->str() + " ";
    std::string numbered;
    for (char digit = '1'; digit <= '9'; ++digit)
        if (text.find(std::string("%") + digit) != std::string::npos)
            numbered += std::string("%") + digit + " ";
    return found + "| " + numbered;
}

bool HoldsCjk(const std::string& text)
{
    // Every CJK ideograph and full-width sign is a three-byte UTF-8 sequence led by 0xE3..0xE9 or 0xEF.
    for (unsigned char byte : text)
        if ((byte >= 0xE3 && byte <= 0xE9) || byte == 0xEF)
            return true;
    return false;
}

TsCatalogue English()
{
    return TsCatalogue::Load(TranslationsDirectory() / "morvix_en.ts");
}

TEST(Catalogue, EveryTranslationKeepsItsPlaceholdersAndHoldsNoChinese)
{
    const TsCatalogue catalogue = English();
    ASSERT_GT(catalogue.Size(), 500u) << "the catalogue beside the program is missing or nearly empty";
    for (const auto& [source, translation] : catalogue.Entries()) {
        EXPECT_EQ(Placeholders(source), Placeholders(translation)) << source << " -> " << translation;
        EXPECT_FALSE(HoldsCjk(translation)) << source << " -> " << translation;
    }
}

TEST(Catalogue, StatusTextsAreChineseByteForByteWithoutATranslatorAndEnglishWithOne)
{
    const nsMoxHttp::CertificateFailureReport pinChanged{nsMoxHttp::CertificateFailure::PinChanged, "sha256//A", ""};
    MoxText::Install(nullptr);
    EXPECT_EQ(nsMoxHttp::CertificateFailureText(pinChanged, "h:1"),
              "拒绝连接h:1：服务器的公钥与记住的不同（记住的 sha256//A，现在的 未知）。可能有人冒充服务器；"
              "若确认服务器换了证书，请先删除记住的公钥（morvixctl --server h:1 trust forget）再重新连接");
    EXPECT_EQ(nsMoxHttp::ServerUnreachableText("10.0.0.1"), "连接10.0.0.1失败，请检查网络连接是否正常或者会话已过期");

    static const TsCatalogue catalogue = English();
    MoxText::Install([](std::string_view source) { return catalogue.Translate(source); });
    const std::string refused = nsMoxHttp::CertificateFailureText(pinChanged, "h:1");
    const std::string unreachable = nsMoxHttp::ServerUnreachableText("10.0.0.1");
    MoxText::Install(nullptr);
    for (const std::string& text : {refused, unreachable})
        EXPECT_FALSE(HoldsCjk(text)) << text;
    EXPECT_NE(refused.find("remembered sha256//A, now unknown"), std::string::npos) << refused;
    EXPECT_NE(refused.find("--server h:1 trust forget"), std::string::npos) << refused;
    EXPECT_NE(unreachable.find("10.0.0.1"), std::string::npos) << unreachable;
}

TEST(Catalogue, TheCommandLineWinsOverTheSettingWhichWinsOverTheLocale)
{
    struct Case {
        const char* commandLine;
        const char* setting;
        const char* locale;
        InterfaceLanguage chosen;
    };
    const Case cases[] = {
        {"", "", "", InterfaceLanguage::Chinese},
        {"", "", "C", InterfaceLanguage::Chinese},
        {"", "", "POSIX", InterfaceLanguage::Chinese},
        {"", "", "de_DE.UTF-8", InterfaceLanguage::Chinese},
        {"", "", "zh_CN.UTF-8", InterfaceLanguage::Chinese},
        {"", "", "en_US.UTF-8", InterfaceLanguage::English},
        {"", "", "en", InterfaceLanguage::English},
        {"", "zh", "en_GB.UTF-8", InterfaceLanguage::Chinese},
        {"", "en", "zh_TW", InterfaceLanguage::English},
        {"zh", "en", "en_US", InterfaceLanguage::Chinese},
        {"en", "zh", "C", InterfaceLanguage::English},
        {"", "fr", "en_US", InterfaceLanguage::English},
        {"", "", "english", InterfaceLanguage::Chinese},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseInterfaceLanguage(c.commandLine, c.setting, c.locale), c.chosen)
            << "--lang '" << c.commandLine << "', setting '" << c.setting << "', locale '" << c.locale << "'";
}

}  // namespace

namespace {

TEST(Catalogue, TheLanguageSettingIsReadFromTheUsersOwnSettingsFile)
{
    // Each test process has its own configuration folder.
    const std::filesystem::path file = AppPaths::UserConfigDirectory() / "MorvixAdmin.ini";
    EXPECT_EQ(InterfaceLanguageSetting(), "");
    ASSERT_TRUE(AppPaths::CreateOwnerOnlyDirectories(file.parent_path()));
    ASSERT_TRUE(IniProfile(file).WriteString("Gui", "Language", "en"));
    EXPECT_EQ(InterfaceLanguageSetting(), "en");
    EXPECT_EQ(ChooseInterfaceLanguage("", InterfaceLanguageSetting(), "C"), InterfaceLanguage::English);
    std::filesystem::remove(file);
}

}  // namespace
