#include "files/ScratchDirectory.h"
#include "integration/MorvixctlProcess.h"
#include "integration/ParseJson.h"
#include "support/SimProcess.h"

#include <gtest/gtest.h>
#include <json/json.h>

using morvix::test::MorvixctlProcess;
using morvix::test::Outcome;
using morvix::test::ReadBytes;
using morvix::test::ScratchDirectory;
using morvix::test::SimProcess;
using morvix::test::WaitForOutcome;
using morvix::test::WriteBytes;

namespace {

class MorvixctlTransfer : public ::testing::Test {
protected:
    Outcome Run(SimProcess& server, std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), {"--server", server.host()});
        MorvixctlProcess process(arguments, {"MORVIX_PASSWORD=admin", "XDG_DATA_HOME=" + scratch.Path().string()});
        return WaitForOutcome(process);
    }

    // A family's entries in server order without their identifiers, which each server gives anew.
    static Json::Value Entries(SimProcess& server, const std::string& family, const char* idKey)
    {
        Json::Value entries = server.state()[family]["entries"];
        for (Json::Value& entry : entries)
            entry.removeMember(idKey);
        return entries;
    }

    std::string File(const char* name) const { return (scratch / name).string(); }

    ScratchDirectory scratch;
    SimProcess source;
    SimProcess target;
};

void Generate(SimProcess& server, const std::string& family, int count)
{
    Json::Value generate;
    generate["count"] = count;
    server.setState(family, generate);
}

void Empty(SimProcess& server, const char* family)
{
    Generate(server, family, 0);
}

}  // namespace

TEST_F(MorvixctlTransfer, RulesExportedFromOneServerImportIntoAnotherAsTheyWere)
{
    const std::pair<const char*, const char*> families[] = {
        {"fcache", "Wid"}, {"rcache", "Wid"}, {"scache", "Wid"}, {"rewrite", "RewriteID"}};
    for (const auto& [family, id] : families) {
        Generate(source, family, 6);
        Empty(target, family);
    }
    const Outcome exported = Run(source, {"rules", "export", File("rules.txt")});
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_TRUE(ReadBytes(scratch / "rules.txt").starts_with("\r\n#页面缓存规则\r\n[FCache]\r\nFCacheCount   =6\r\n"));

    const Outcome imported = Run(target, {"rules", "import", File("rules.txt")});
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.out, "accepted 24, refused 0, timed out 0\n");
    for (const auto& [family, id] : families)
        EXPECT_EQ(Entries(target, family, id), Entries(source, family, id)) << family;
}

TEST_F(MorvixctlTransfer, OnlyTheNamedListsAndARefusedRuleMakesTheStatusOne)
{
    Generate(source, "scache", 2);
    ASSERT_EQ(Run(source, {"rules", "export", File("session.txt"), "--scache"}).status, 0);
    EXPECT_TRUE(ReadBytes(scratch / "session.txt").starts_with("\r\n#会话缓存规则\r\n[SCache]\r\n"));

    const Outcome again = Run(source, {"rules", "import", File("session.txt")});
    EXPECT_EQ(again.status, 1) << "the rules exist already";
    EXPECT_TRUE(again.out.starts_with("accepted 0, refused 2, timed out 0\nrefused: scache ActionUrl=")) << again.out;
    // For programs: the counts as numbers, and each rule that failed with its status text.
    const Outcome json = Run(source, {"--json", "rules", "import", File("session.txt")});
    const Json::Value counts = morvix::test::ParseJson(json.out);
    EXPECT_EQ(counts["accepted"].asInt(), 0) << json.out;
    EXPECT_EQ(counts["refused"].asInt(), 2);
    ASSERT_EQ(counts["failed"].size(), 2u);
    EXPECT_TRUE(counts["failed"][0]["rule"].asString().starts_with("scache ActionUrl=")) << json.out;
    EXPECT_NE(counts["failed"][0]["status"].asString().find("(错误号:30)"), std::string::npos) << json.out;
    EXPECT_EQ(Run(source, {"rules", "import", File("missing.txt")}).status, 74);
    EXPECT_EQ(Run(source, {"rules", "export"}).status, 64);
}

TEST_F(MorvixctlTransfer, TheBlackListTravelsInItsLineFormat)
{
    Empty(target, "black");
    WriteBytes(scratch / "black.txt", "10.0.0.1-10.0.0.9/2030-01-01 00:00:00/abc\r\n"
                                      "10.0.1.1/2030-01-01 00:00:00/single\r\n"
                                      "10.0.2.1-10.0.2.9/2030-01-01\r\n");
    const Outcome imported = Run(target, {"black", "import", File("black.txt")});
    EXPECT_EQ(imported.status, 65) << "the line without an expiry was not read; " << imported.err;
    EXPECT_NE(imported.err.find("1 lines could not be read and were not sent (line 3)"), std::string::npos)
        << imported.err;
    EXPECT_EQ(imported.out, "accepted 2, refused 0, timed out 0\n");
    EXPECT_NE(imported.err.find("10.0.1.1"), std::string::npos) << "a range without \"-\" is reported";

    ASSERT_EQ(Run(target, {"black", "export", File("again.txt")}).status, 0);
    EXPECT_EQ(ReadBytes(scratch / "again.txt"), "10.0.0.1-10.0.0.9/2030-01-01 00:00:00/abc\r\n"
                                                "10.0.1.1-10.0.1.1/2030-01-01 00:00:00/single\r\n");
}

// Notes another tool wrote on several lines, shaped like the files' own lines: each travels as one
// value, and the server the file is imported into gets no rule, entry or redirect more.
TEST_F(MorvixctlTransfer, ANoteShapedLikeTheFileCarriesNothingIntoTheNextServer)
{
    struct Case {
        std::vector<std::string> add;
        const char* type;  // of the file's export and import
        const char* injectedQuery;
        const char* injectedField;
    };
    const Case cases[] = {
        {{"fcache", "add", "Url=/inj/*", "Note=first\r\n[Rewrite]\r\nRewriteCount=1\r\nSourceUrl_1=/evil"}, "rules",
         "type=rewrite&cmd=add", "SourceUrl=%2Fevil"},
        {{"black", "add", "Low=1.1.1.1", "High=1.1.1.2", "Expire=2030-01-01 00:00:00",
          "Note=x\r\n9.9.9.9-9.9.9.9/2030-01-01 00:00:00/evil"},
         "black", "type=black&cmd=add", "Low=9.9.9.9"},
        {{"dns", "redirect-add", "Name=inj.example.com", "IP=1.2.3.4", "Enable=1",
          "Note=x\r\naddress=/evil.example/6.6.6.6"},
         "dns", "type=dns&cmd=redirect-add", "Name=evil.example"},
    };
    for (const Case& each : cases) {
        const Outcome added = Run(source, each.add);
        ASSERT_EQ(added.status, 0) << each.type << ": " << added.err;
        const std::string file = File((std::string(each.type) + ".txt").c_str());
        const Outcome exported = Run(source, {each.type, "export", file});
        EXPECT_EQ(exported.status, 65) << each.type << ": a run that changed a value says so; " << exported.err;
        EXPECT_NE(exported.err.find("1 values held line breaks or NULs, written as blanks"), std::string::npos)
            << exported.err;
        Run(target, {each.type, "import", file});
        for (const Json::Value& request : target.requests()) {
            if (request["query"].asString() == each.injectedQuery) {
                EXPECT_EQ(request["body"].asString().find(each.injectedField), std::string::npos)
                    << each.type << ": " << request["body"].asString();
            }
        }
    }
}
