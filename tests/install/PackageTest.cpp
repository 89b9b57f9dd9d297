#include "install/InstalledPrograms.h"

using morvix::test::InstalledPrograms;
using morvix::test::RunShell;
using morvix::test::ScratchDirectory;

TEST(Package, TheDebianPackagesHoldTheProgramsWithTheirDependenciesPassLintianAndRunUnpacked)
{
    ScratchDirectory work;
    ASSERT_EQ(RunShell(std::string("'") + MORVIX_CPACK + "' --config '" + MORVIX_BUILD_DIR + "/CPackConfig.cmake' -B '" +
                       work.Path().string() + "' >/dev/null"),
              0);
    const std::string console = (work / "morvix-console_3.5.0_amd64.deb").string();
    const std::string simulator = (work / "morvix-sim_3.5.0_amd64.deb").string();

    std::string depends;
    ASSERT_EQ(RunShell("dpkg-deb -f '" + console + "' Depends", &depends), 0);
    for (const char* library : {"libqt6widgets6", "libcurl4", "libjsoncpp25", "libnettle8", "libc6"})
        EXPECT_NE(depends.find(library), std::string::npos) << depends;
    ASSERT_EQ(RunShell("dpkg-deb -f '" + simulator + "' Depends", &depends), 0);
    EXPECT_EQ(depends.find("libqt6"), std::string::npos) << depends;
    EXPECT_EQ(depends.find("libcurl"), std::string::npos) << depends;

    std::string contents;
    ASSERT_EQ(RunShell("dpkg-deb -c '" + console + "'", &contents), 0);
    for (const char* file : {"./usr/bin/morvix-console", "./usr/bin/morvixctl", "./usr/share/man/man1/morvixctl.1.gz",
                             "./usr/share/man/man1/morvix-console.1.gz", "./usr/share/doc/morvix/help/index.html",
                             "./usr/share/applications/morvix-console.desktop",
                             "./usr/share/morvix/Application/data/MorvixAdmin.ini"})
        EXPECT_NE(contents.find(file), std::string::npos) << file;
    EXPECT_EQ(contents.find("morvix-sim"), std::string::npos);
    ASSERT_EQ(RunShell("dpkg-deb -c '" + simulator + "'", &contents), 0);
    EXPECT_NE(contents.find("./usr/bin/morvix-sim"), std::string::npos) << contents;
    EXPECT_NE(contents.find("./usr/share/man/man1/morvix-sim.1.gz"), std::string::npos);

    // Debian's own checks find nothing to object to (information-level notes aside).
    std::string verdict;
    EXPECT_EQ(RunShell("lintian --fail-on error,warning '" + console + "' '" + simulator + "' 2>&1", &verdict), 0)
        << verdict;

    const std::filesystem::path root = work / "root";
    ASSERT_EQ(RunShell("dpkg-deb -x '" + console + "' '" + root.string() + "' && dpkg-deb -x '" + simulator + "' '" +
                       root.string() + "'"),
              0);
    ScratchDirectory data;
    InstalledPrograms programs(root / "usr", data.Path());
    EXPECT_EQ(programs.Run("morvixctl", {"--help"}), 0);
    EXPECT_EQ(programs.Run("morvix-sim", {"--help"}), 0);
    programs.ExpectConsoleStarts();
}
