#include "ScratchDirectory.h"
#include "shell/AppPaths.h"
#include "shell/HelpPages.h"
#include "shell/InterfaceLanguage.h"
#include "shell/MainNavigation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>

using morvix::test::ReadBytes;
using morvix::test::ScratchDirectory;

namespace {

const std::filesystem::path& ShippedHelp()
{
    static const std::filesystem::path directory = AppPaths::HelpDirectory();
    return directory;
}

// Every href and src of a page, as written.
std::vector<std::string> Links(const std::string& page)
{
    static const std::regex link(R"re((?:href|src)\s*=\s*"([^"]*)")re");
    std::vector<std::string> links;
    for (auto found = std::sregex_iterator(page.begin(), page.end(), link); found != std::sregex_iterator(); ++found)
        links.push_back((*found)[1].str());
    return links;
}

bool HasAnchor(const std::string& page, const std::string& anchor)
{
    return page.find("id=\"" + anchor + "\"") != std::string::npos;
}

}  // namespace

TEST(HelpPages, EveryPageIsShippedBesideTheProgramAndEveryLinkStaysInsideAndResolves)
{
    ASSERT_EQ(ShippedHelp(), AppPaths::ExecutableDirectory() / "help");
    // The Chinese pages, and their English versions in en/.
    for (const std::filesystem::path& directory : {ShippedHelp(), ShippedHelp() / "en"}) {
        std::set<std::string> linkedFromOverview;
        for (const std::string_view file : HelpPageFiles()) {
            const std::filesystem::path path = directory / file;
            ASSERT_TRUE(std::filesystem::is_regular_file(path)) << path;
            const std::string page = ReadBytes(path);
            EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos) << file;
            EXPECT_NE(page.find("<h2"), std::string::npos) << file << " says nothing beyond its title";
            for (const std::string& link : Links(page)) {
                EXPECT_EQ(link.find(':'), std::string::npos) << file << " leaves the shipped pages: " << link;
                const std::size_t hash = link.find('#');
                const std::string target = link.substr(0, hash);
                const std::string targetPage = target.empty() ? page : ReadBytes(directory / target);
                EXPECT_TRUE(target.empty() || std::filesystem::is_regular_file(directory / target))
                    << file << " links to a missing " << link;
                if (hash != std::string::npos) {
                    EXPECT_TRUE(HasAnchor(targetPage, link.substr(hash + 1))) << file << ": " << link;
                }
                if (file == "index.html")
                    linkedFromOverview.insert(target);
            }
        }
        for (const std::string_view file : HelpPageFiles()) {
            if (file != "index.html") {
                EXPECT_TRUE(linkedFromOverview.count(std::string(file))) << "the overview does not lead to " << file;
            }
        }
    }
}

TEST(HelpPages, EnglishChosenOpensTheEnglishPageAndChineseTheChinesePage)
{
    SetInstalledInterfaceLanguage(InterfaceLanguage::English);
    const std::string english = HelpPageUrl("login.html");
    SetInstalledInterfaceLanguage(InterfaceLanguage::Chinese);
    EXPECT_NE(english.find("/help/en/login.html"), std::string::npos) << english;
    EXPECT_EQ(HelpPageUrl("login.html").find("/en/"), std::string::npos);
    for (const std::string_view file : HelpPageFiles()) {
        const std::string page = ReadBytes(ShippedHelp() / "en" / file);
        EXPECT_EQ(page.find("\xe3\x80\x82"), std::string::npos) << file << " holds a Chinese full stop";
        EXPECT_NE(page.find("<html lang=\"en\">"), std::string::npos) << file;
    }
}

TEST(HelpPages, NoPageLiesInTheDirectoryUnlisted)
{
    for (const auto& entry : std::filesystem::directory_iterator(ShippedHelp())) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() == ".html") {
            EXPECT_NE(std::find(HelpPageFiles().begin(), HelpPageFiles().end(), name), HelpPageFiles().end()) << name;
        }
    }
}

TEST(HelpPages, AddressesAreFileUrlsOfTheShippedPages)
{
    const std::string prefix = "file://" + ShippedHelp().string() + "/";
    EXPECT_EQ(ConsoleHelpUrl(), prefix + "index.html");
    EXPECT_EQ(ViewHelpUrl(eView_Rewrite), prefix + "rewrite.html");
    EXPECT_EQ(ViewHelpUrl(eView_SystemToo), ViewHelpUrl(eView_System));
    EXPECT_EQ(ViewHelpUrl(eCmd_About), ConsoleHelpUrl()) << "an id without a view has the overview";
}

TEST(HelpPages, ShippedFilesAreFoundBesideTheProgramElseInTheInstalledTree)
{
    struct Case {
        const char* name;
        std::vector<const char*> directories;  // under the prefix; bin/ always exists
        const char* expected;
    };
    const Case cases[] = {
        {"beside", {"bin/help"}, "bin/help"},
        {"beside wins", {"bin/help", "share/doc/morvix/help"}, "bin/help"},
        {"installed", {"share/doc/morvix/help"}, "share/doc/morvix/help"},
        {"neither: where the build tree keeps it", {}, "bin/help"},
    };
    for (const Case& test : cases) {
        ScratchDirectory prefix;
        std::filesystem::create_directories(prefix / "bin");
        for (const char* directory : test.directories)
            std::filesystem::create_directories(prefix / directory);
        EXPECT_EQ(AppPaths::BesideOrInstalled(prefix / "bin", "help", "share/doc/morvix/help"), prefix / test.expected)
            << test.name;
    }
}
