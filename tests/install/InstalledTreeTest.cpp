#include "install/InstalledPrograms.h"
#include "protocol/RequestCatalogue.h"

#include <fstream>
#include <set>
#include <sstream>

using morvix::test::InstalledPrograms;
using morvix::test::RunShell;
using morvix::test::ScratchDirectory;
using morvix::test::WaitUntil;

namespace {

class InstalledTree : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        prefix_ = new ScratchDirectory();
        installed_ = RunShell(std::string("'") + MORVIX_CMAKE + "' --install '" + MORVIX_BUILD_DIR + "' --prefix '" +
                              prefix_->Path().string() + "' >/dev/null") == 0;
    }
    static void TearDownTestSuite()
    {
        delete prefix_;
        prefix_ = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(installed_); }

    static std::filesystem::path Installed(const std::string& relative) { return prefix_->Path() / relative; }

    static inline ScratchDirectory* prefix_ = nullptr;
    static inline bool installed_ = false;
    ScratchDirectory data;
    InstalledPrograms programs{prefix_->Path(), data.Path()};
};

}  // namespace

TEST_F(InstalledTree, EverythingLiesInTheUsualPlaces)
{
    for (const char* file : {"bin/morvixctl", "bin/morvix-console", "bin/morvix-sim",
                             "share/morvix/Application/data/MorvixAdmin.ini", "share/morvix/Application/data/String.ini",
                             "share/morvix/Application/Skins/Toolbar_icons.png", "share/applications/morvix-console.desktop",
                             "share/icons/hicolor/128x128/apps/morvix-console.png", "share/doc/morvix/README.md",
                             "share/doc/morvix/help/index.html", "share/doc/morvix/help/help.css",
                             "share/doc/morvix-console/copyright", "share/doc/morvix-sim/changelog.gz",
                             "share/metainfo/morvix-console.metainfo.xml", "share/bash-completion/completions/morvixctl",
                             "share/morvix/grafana/morvix-fleet.json", "share/morvix/grafana/morvix-alerts.yml",
                             "share/morvix/prometheus/morvix-alerts.yml", "share/morvix/translations/morvix_en.qm",
                             "share/morvix/translations/morvix_en.ts", "share/doc/morvix/help/en/index.html"})
        EXPECT_TRUE(std::filesystem::is_regular_file(Installed(file))) << file;
    EXPECT_EQ(RunShell("desktop-file-validate '" + Installed("share/applications/morvix-console.desktop").string() + "'"),
              0);
    std::string verdict;
    EXPECT_EQ(RunShell("appstreamcli validate --no-net '" +
                           Installed("share/metainfo/morvix-console.metainfo.xml").string() + "' 2>&1",
                       &verdict),
              0)
        << verdict;

    // Every program has its page, compressed as Debian keeps them.
    const std::pair<const char*, const char*> pages[] = {
        {"morvixctl", "--fields"}, {"morvix-sim", "--listen"}, {"morvix-console", "XDG_CONFIG_HOME"}};
    for (const auto& [program, mention] : pages) {
        std::string page;
        const std::string file = Installed(std::string("share/man/man1/") + program + ".1.gz").string();
        ASSERT_EQ(RunShell("man -l '" + file + "' 2>/dev/null", &page), 0) << program;
        EXPECT_NE(page.find(mention), std::string::npos) << page;
    }
}

// The installed programs find their data under share/morvix: a label changed there is the one shown.
TEST_F(InstalledTree, TheProgramsRunFromTheTreeWithItsData)
{
    const std::filesystem::path strings = Installed("share/morvix/Application/data/String.ini");
    std::stringstream text;
    text << std::ifstream(strings).rdbuf();
    const std::string changed = std::regex_replace(text.str(), std::regex("bandwidth_in=[^\r\n]*"), "bandwidth_in=装好的带宽");
    morvix::test::WriteBytes(strings, changed);

    EXPECT_EQ(programs.Run("morvix-sim", {"--help"}), 0);
    EXPECT_EQ(programs.Run("morvixctl", {"--help"}), 0);
    const std::string server = programs.StartSimulator();
    ASSERT_FALSE(server.empty());
    auto watch = programs.Start("morvixctl", {"--server", server, "watch"}, {"MORVIX_PASSWORD=admin"});
    ASSERT_TRUE(WaitUntil([&] { return !watch->OutLines().empty(); }, std::chrono::seconds(30))) << watch->Err();
    watch->Signal(SIGINT);
    EXPECT_EQ(watch->Wait(), 0);
    EXPECT_NE(watch->Out().find("装好的带宽"), std::string::npos) << watch->Out();

    // In English from the installed catalogue; a label the installation changed stays as written.
    auto english = programs.Start("morvixctl", {"--lang", "en", "--server", server, "watch"}, {"MORVIX_PASSWORD=admin"});
    ASSERT_TRUE(WaitUntil([&] { return !english->OutLines().empty(); }, std::chrono::seconds(30))) << english->Err();
    english->Signal(SIGINT);
    EXPECT_EQ(english->Wait(), 0);
    EXPECT_NE(english->Out().find("Average hit rate"), std::string::npos) << english->Out();
    EXPECT_NE(english->Out().find("装好的带宽"), std::string::npos) << english->Out();

    programs.ExpectConsoleStarts();
}

TEST_F(InstalledTree, CompletionOffersEveryCatalogueTypeAndTheFieldsOfARequest)
{
    const std::string script = Installed("share/bash-completion/completions/morvixctl").string();
    const auto complete = [&](const std::string& line) {
        std::string words;
        RunShell("bash -c 'source \"" + script + "\"; COMP_WORDS=(" + line + "); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); "
                 "_morvixctl; printf \"%s\\n\" \"${COMPREPLY[@]}\"'",
                 &words);
        std::set<std::string> offered;
        std::istringstream lines(words);
        for (std::string word; std::getline(lines, word);)
            offered.insert(word);
        return offered;
    };
    const std::set<std::string> types = complete("morvixctl --json \"\"");
    for (const nsMoxHttp::CatalogueRow& row : nsMoxHttp::RequestCatalogue()) {
        if (row.type == "sign")
            continue;
        EXPECT_TRUE(types.count(std::string(row.type))) << row.type;
    }
    EXPECT_TRUE(types.count("exporter"));
    EXPECT_EQ(complete("morvixctl --server h:1 dns redirect-l"), (std::set<std::string>{"redirect-list"}));
    EXPECT_EQ(complete("morvixctl fcache add Url=/x Exp"), (std::set<std::string>{"Expire="}));
}
