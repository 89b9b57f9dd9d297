#include "files/ScratchDirectory.h"
#include "integration/LoggedRequest.h"
#include "integration/MorvixctlProcess.h"
#include "integration/ParseJson.h"
#include "integration/OneShotFault.h"
#include "protocol/RequestBody.h"
#include "protocol/RequestCatalogue.h"
#include "protocol/RequestKinds.h"
#include "support/SimProcess.h"
#include "support/WaitUntil.h"
#include "transport/ClosedPort.h"

#include <gtest/gtest.h>
#include <json/json.h>

#include <algorithm>
#include <regex>

using morvix::test::ClosedPort;
using morvix::test::LastLoggedBody;
using morvix::test::MorvixctlProcess;
using morvix::test::OneShotFault;
using morvix::test::Outcome;
using morvix::test::ParseJson;
using morvix::test::ScratchDirectory;
using morvix::test::SimProcess;
using morvix::test::WaitForOutcome;
using morvix::test::WaitUntil;

namespace {

class Morvixctl : public ::testing::Test {
protected:
    // Signed in as admin unless the arguments say otherwise; the operator's data stays in a
    // scratch directory.
    std::unique_ptr<MorvixctlProcess> Start(std::vector<std::string> arguments, const std::string& password = "admin")
    {
        arguments.insert(arguments.begin(), {"--server", sim.host()});
        return std::make_unique<MorvixctlProcess>(
            arguments, std::vector<std::string>{"MORVIX_PASSWORD=" + password, "XDG_DATA_HOME=" + data.Path().string()});
    }

    Outcome Run(std::vector<std::string> arguments, const std::string& password = "admin")
    {
        return WaitForOutcome(*Start(std::move(arguments), password));
    }

    // The page-cache rules in server order, as morvixctl lists them.
    Json::Value Rules()
    {
        const Outcome listed = Run({"--json", "fcache", "list"});
        EXPECT_EQ(listed.status, 0) << listed.err;
        EXPECT_EQ(listed.err, "获取页面缓存列表成功\n");
        return ParseJson(listed.out);
    }

    static int PositionOf(const Json::Value& rules, const std::string& wid)
    {
        for (Json::ArrayIndex i = 0; i < rules.size(); ++i)
            if (rules[i]["Wid"].asString() == wid)
                return static_cast<int>(i);
        return -1;
    }

    SimProcess sim{{"--stream-rate", "200"}};
    ScratchDirectory data;
};

}  // namespace

TEST_F(Morvixctl, APageCacheRuleIsAddedListedMovedAndDeleted)
{
    const Outcome added = Run({"--json", "fcache", "add", "Url=/news/a b&c/*", "Note=新闻", "Expire=30"});
    ASSERT_EQ(added.status, 0) << added.err;
    EXPECT_EQ(added.err, "添加到页面缓存列表成功。\n");
    const Json::Value rule = ParseJson(added.out);
    const std::string wid = rule["Wid"].asString();
    ASSERT_FALSE(wid.empty()) << added.out;
    // Fields not given start where the add form starts: ignoring case, minutes.
    EXPECT_TRUE(std::regex_match(
        LastLoggedBody(sim, "fcache", "add"),
        std::regex("Url=%2Fnews%2Fa%20b%26c%2F\\*&Icase=1&Rules=0&Expire=30&Unit=2&Icookie=1&Olimit=0&IsDiskCache=1"
                   "&Note=%E6%96%B0%E9%97%BB&SessionID=[^&]+&RequestID=N")))
        << LastLoggedBody(sim, "fcache", "add");

    Json::Value rules = Rules();
    const int added_at = PositionOf(rules, wid);
    ASSERT_GT(added_at, 0);
    EXPECT_EQ(rules[added_at]["Url"].asString(), "/news/a b&c/*");
    EXPECT_EQ(rules[added_at]["Note"].asString(), "新闻");
    EXPECT_EQ(rules[added_at]["Expire"].asInt(), 30);

    // A change keeps what it does not name.
    const Outcome modified = Run({"fcache", "modify", "Wid=" + wid, "Expire=45"});
    ASSERT_EQ(modified.status, 0) << modified.err;
    EXPECT_EQ(modified.err, "修改页面缓存数据成功。\n");
    rules = Rules();
    EXPECT_EQ(rules[added_at]["Expire"].asInt(), 45);
    EXPECT_EQ(rules[added_at]["Url"].asString(), "/news/a b&c/*");
    EXPECT_EQ(rules[added_at]["Note"].asString(), "新闻");
    sim.clearRequests();
    const Outcome missing = Run({"fcache", "modify", "Wid=no-such-rule", "Expire=45"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("no Wid=no-such-rule"), std::string::npos) << missing.err;
    EXPECT_EQ(LastLoggedBody(sim, "fcache", "modify"), "(no type=fcache&cmd=modify request logged)");

    const Outcome moved = Run({"fcache", "up", "Wid=" + wid});
    ASSERT_EQ(moved.status, 0) << moved.err;
    EXPECT_EQ(moved.err, "向上移动页面缓存数据成功。\n");
    EXPECT_NE(moved.out.find(wid), std::string::npos);
    rules = Rules();
    EXPECT_EQ(PositionOf(rules, wid), added_at - 1);

    const Outcome deleted = Run({"fcache", "del", "Wid=" + wid});
    ASSERT_EQ(deleted.status, 0) << deleted.err;
    EXPECT_EQ(PositionOf(Rules(), wid), -1);
    // The deletion prints the rule it deleted, as the list held it.
    EXPECT_NE(deleted.out.find("/news/a b&c/*"), std::string::npos) << deleted.out;
    EXPECT_NE(deleted.out.find("新闻"), std::string::npos) << deleted.out;

    // The table form: a header, then one aligned row per rule.
    const Outcome table = Run({"fcache", "list"});
    ASSERT_EQ(table.status, 0);
    EXPECT_TRUE(std::regex_search(table.out, std::regex("^No  Wid +Url +Icase  Rules  Expire")));
}

TEST_F(Morvixctl, ARunSendsTheSignInAndWhatItWasAskedForAndNothingElse)
{
    const Outcome added = Run({"--json", "scache", "add", "ActionUrl=/login", "SetCookieSessionID=sid"});
    ASSERT_EQ(added.status, 0) << added.err;
    const std::string wid = ParseJson(added.out)["Wid"].asString();
    // The session-cache form starts ignoring case, with 60 seconds.
    EXPECT_TRUE(std::regex_match(LastLoggedBody(sim, "scache", "add"),
                                 std::regex("SessionID=[^&]+&RequestID=N&ActionUrl=%2Flogin&Icase=1&Rules=0"
                                            "&SetCookieSessionID=sid&SessionExpire=60&Note=")))
        << LastLoggedBody(sim, "scache", "add");
    struct Case {
        std::vector<std::string> arguments;
        std::vector<std::string> queries;
    };
    const Case cases[] = {
        {{"rcache", "list"}, {"type=sign&cmd=in", "type=rcache&cmd=list"}},
        // A change reads the record's list first, to keep what it does not name.
        {{"scache", "modify", "Wid=" + wid, "SessionExpire=90"},
         {"type=sign&cmd=in", "type=scache&cmd=list", "type=scache&cmd=modify"}},
    };
    for (const Case& c : cases) {
        sim.clearRequests();
        ASSERT_EQ(Run(c.arguments).status, 0) << c.arguments[0];
        std::vector<std::string> queries;
        for (const Json::Value& request : sim.requests())
            queries.push_back(request["query"].asString());
        EXPECT_EQ(queries, c.queries);
    }
}

TEST_F(Morvixctl, FieldsListsWhatEachFieldTakesWhenLeftOutAndSendsNothing)
{
    const Outcome add = Run({"--json", "--fields", "fcache", "add"});
    ASSERT_EQ(add.status, 0) << add.err;
    Json::Value expected;
    for (const auto& [field, value] : std::vector<std::pair<std::string, std::string>>{
             {"Url", ""}, {"Icase", "1"}, {"Rules", "0"}, {"Expire", "30"}, {"Unit", "2"}, {"Icookie", "1"},
             {"Olimit", "0"}, {"IsDiskCache", "1"}, {"Note", ""}}) {
        Json::Value row;
        row["Field"] = field;
        row["WhenLeftOut"] = value;
        expected.append(row);
    }
    EXPECT_EQ(ParseJson(add.out), expected);

    const Outcome modify = Run({"--fields", "fcache", "modify"});
    ASSERT_EQ(modify.status, 0) << modify.err;
    EXPECT_TRUE(std::regex_search(modify.out, std::regex("Wid +\\(required\\)\n")));
    EXPECT_TRUE(std::regex_search(modify.out, std::regex("Expire +\\(the record's current value\\)\n")));
    const Outcome tool = Run({"--fields", "tools", "iplook"});
    EXPECT_TRUE(std::regex_search(tool.out, std::regex("IP +\\(required\\)\n"))) << tool.out;

    EXPECT_EQ(Run({"--fields", "fcache", "nosuch"}).status, 64);
    EXPECT_EQ(sim.requests().size(), 0u);
}

TEST_F(Morvixctl, AChangeRefusedToTheKeeperExitsWithOne)
{
    const Outcome refused = Run({"--role", "keeper", "fcache", "add", "Url=/x"}, "keeper");
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "添加到页面缓存列表失败，(错误号:22)\n");
    EXPECT_EQ(refused.out, "");

    const Outcome wrongPassword = Run({"fcache", "list"}, "wrong");
    EXPECT_EQ(wrongPassword.status, 1);
    EXPECT_EQ(wrongPassword.err, "登录" + sim.host() + "失败，用户名不存在或密码错误（错误号:20)\n");
}

TEST_F(Morvixctl, ADeadPortExitsWithTwo)
{
    ClosedPort closed;
    const std::string host = closed.Url("").substr(std::string("http://").size());
    auto process = std::make_unique<MorvixctlProcess>(
        std::vector<std::string>{"--server", host, "--password", "admin", "fcache", "list"},
        std::vector<std::string>{"XDG_DATA_HOME=" + data.Path().string()});
    EXPECT_EQ(process->Wait(), 2);
    EXPECT_EQ(process->Err(), "连接" + host + "失败，请检查网络连接是否正常或输入的服务器地址是否正确\n");
    EXPECT_EQ(process->Out(), "");
}

// A body that is no JSON is an unreadable reply; an HTTP error status is a failed exchange, named
// whatever its body, at the sign-in as at a request.
TEST_F(Morvixctl, AnUnreadableReplyExitsWithThreeAndAnHttpErrorNamesItsStatus)
{
    const struct {
        const char* fault;
        const char* type;
        const char* cmd;
        int status;
        std::string err;
    } cases[] = {
        {"not-json", "fcache", "list", 3, "数据格式错误，返回的Json数据格式解析错误!\n"},
        {"not-json", "sign", "in", 3, "登录服务器失败，返回的Json数据格式解析错误!\n"},
        {"http-500", "fcache", "list", 2, "数据格式错误，返回的Json数据格式解析错误!\nmorvixctl: the server answered HTTP 500\n"},
        {"http-500", "sign", "in", 2, "登录服务器失败，返回的Json数据格式解析错误!\nmorvixctl: the server answered HTTP 500\n"},
    };
    for (const auto& fault : cases) {
        SCOPED_TRACE(std::string(fault.fault) + " " + fault.type);
        sim.addFault(OneShotFault(fault.fault, fault.type, fault.cmd));
        const Outcome run = Run({"fcache", "list"});
        EXPECT_EQ(run.status, fault.status);
        EXPECT_EQ(run.err, fault.err);
    }
}

TEST_F(Morvixctl, TheFirstRequestOfTheProgramCarriesRequestIdOne)
{
    ASSERT_EQ(Run({"rcache", "list"}).status, 0);
    const Json::Value log = sim.requests();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[0]["query"].asString(), "type=sign&cmd=in");
    EXPECT_EQ(log[0]["body"].asString(), "Username=admin&Password=admin&RequestID=1");
    // Every later request draws the next number of the same counter.
    std::vector<int> numbers;
    for (const Json::Value& request : log) {
        std::smatch found;
        const std::string body = request["body"].asString();
        ASSERT_TRUE(std::regex_search(body, found, std::regex("RequestID=([0-9]+)"))) << body;
        numbers.push_back(std::stoi(found[1]));
    }
    std::sort(numbers.begin(), numbers.end());
    for (std::size_t i = 0; i < numbers.size(); ++i)
        EXPECT_EQ(numbers[i], static_cast<int>(i) + 1);
}

TEST_F(Morvixctl, UsageErrorsNameTheValidChoicesAndSendNothing)
{
    const Outcome type = Run({"nosuch", "list"});
    EXPECT_EQ(type.status, 64);
    EXPECT_NE(type.err.find("fcache, rcache"), std::string::npos) << type.err;
    EXPECT_NE(type.err.find("watch"), std::string::npos);

    const Outcome cmd = Run({"dns", "redirect-lst"});
    EXPECT_EQ(cmd.status, 64);
    EXPECT_NE(cmd.err.find("redirect-list"), std::string::npos) << cmd.err;

    const Outcome field = Run({"fcache", "add", "Uri=/x"});
    EXPECT_EQ(field.status, 64);
    EXPECT_NE(field.err.find("Url, Icase, Rules, Expire, Unit, Icookie, Olimit, IsDiskCache, Note"), std::string::npos)
        << field.err;

    EXPECT_EQ(Run({"fcache", "del"}).status, 64);
    EXPECT_EQ(Run({"fcache", "add", "Expire=soon"}).status, 64);
    EXPECT_EQ(Run({"system", "modify", "NoSuchOption=1"}).status, 64);
    EXPECT_EQ(Run({"fcache", "add", "no-equals-sign"}).status, 64);
    EXPECT_EQ(sim.requests().size(), 0u);
}

TEST_F(Morvixctl, SettingsTailsAndFormsAreBuiltFromThePairs)
{
    const Outcome modified = Run({"system", "modify", "MaxClientRecvBuffer=16", "Kind=2"});
    ASSERT_EQ(modified.status, 0) << modified.err;
    EXPECT_EQ(modified.err, "设置系统配置信息成功。\n");
    EXPECT_TRUE(std::regex_match(LastLoggedBody(sim, "system", "modify"),
                                 std::regex("SessionID=[^&]+&RequestID=N&MaxClientRecvBuffer=16")));

    const Outcome dns = Run({"dns", "system-set", "EnableRedirect=1"});
    ASSERT_EQ(dns.status, 0) << dns.err;
    EXPECT_TRUE(std::regex_match(LastLoggedBody(sim, "dns", "system-set"),
                                 std::regex("SessionID=[^&]+&RequestID=N&DNSType=1&EnableDNSCacheService=1"
                                            "&EnableRedirect=1")));

    // The cluster change takes the form of the role given, with the form's port.
    const Outcome master = Run({"cluster", "modify", "Role=1", "Auth=serial 1"});
    ASSERT_EQ(master.status, 0) << master.err;
    EXPECT_TRUE(std::regex_match(LastLoggedBody(sim, "cluster", "modify"),
                                 std::regex("SessionID=[^&]+&RequestID=N&Role=1&Binding=7780&Auth=serial%201&Note=")));
    EXPECT_EQ(Run({"cluster", "modify", "Role=0", "Binding=80"}).status, 64);

    const Outcome options = Run({"--json", "system", "list"});
    ASSERT_EQ(options.status, 0);
    EXPECT_EQ(ParseJson(options.out)["MaxClientRecvBuffer"].asInt(), 16);
}

TEST_F(Morvixctl, AFilteredStreamPrintsItsLinesUntilTheServerEndsIt)
{
    Json::Value cut = OneShotFault("cut-stream", "realtime", "instantrequest");
    cut["lines"] = 6;
    sim.addFault(cut);
    const Outcome stream = Run({"realtime", "instantrequest", "RequestUrl=http://www.example.com/*",
                                "IPLow=192.168.1.10", "IPHigh=192.168.1.20"});
    EXPECT_EQ(stream.status, 0) << stream.err;
    EXPECT_TRUE(std::regex_match(
        LastLoggedBody(sim, "realtime", "instantrequest"),
        std::regex("SessionID=[^&]+&RequestID=N&RequestUrl=http%3A%2F%2Fwww.example.com%2F\\*&Icase=1&Rules=0"
                   "&Location=0&DateTime=0&HitCache=1&UserAgent=0&InvalidRequest=0&HitMemberCache=0"
                   "&IPLow=192.168.1.10&IPHigh=192.168.1.20")))
        << LastLoggedBody(sim, "realtime", "instantrequest");

    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = stream.out.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(stream.out.substr(start, end - start));
    ASSERT_EQ(lines.size(), 6u) << stream.out;
    const std::regex filtered("192\\.168\\.1\\.(1[0-9]|20) http://www\\.example\\.com/\\S*( .*)?");
    for (const std::string& line : lines) {
        EXPECT_TRUE(std::regex_search(line, filtered)) << line;
        EXPECT_EQ(line.find('\r'), std::string::npos);
    }
}

TEST_F(Morvixctl, AnInterruptEndsAStreamAndTheWatch)
{
    auto stream = Start({"realtime", "instantrequest"});
    ASSERT_TRUE(WaitUntil([&] { return stream->OutLines().size() >= 3; })) << stream->Err();
    stream->Signal(SIGINT);
    EXPECT_EQ(stream->Wait(), 0) << stream->Err();

    auto watch = Start({"--json", "watch"});
    ASSERT_TRUE(WaitUntil([&] { return watch->OutLines().size() >= 2; })) << watch->Err();
    watch->Signal(SIGTERM);
    EXPECT_EQ(watch->Wait(), 0);
    const std::vector<std::string> figures = watch->OutLines();
    for (const std::string& line : figures) {
        const Json::Value sample = ParseJson(line);
        EXPECT_GT(sample["ConnectionsIn"].asInt(), 0) << line;
        EXPECT_GE(sample["Saving"].asDouble(), 0.0);
        EXPECT_LE(sample["HitCurrent"].asDouble(), 100.0);
        EXPECT_EQ(sample["StartTime"].asString().size(), 19u) << line;
        EXPECT_GT(sample["LargestSavingKB"].asInt64(), 0) << line;
    }
    // The second sample has a window to measure over.
    EXPECT_GT(ParseJson(figures[1])["BandwidthIn"].asDouble(), 0.0) << figures[1];
}

TEST_F(Morvixctl, EveryCatalogueRequestGoesOutAndIsAnswered)
{
    for (const nsMoxHttp::CatalogueRow& row : nsMoxHttp::RequestCatalogue()) {
        if (row.kind == eReq_SignIn || row.kind == eReq_InstantRequest)
            continue;
        std::vector<std::string> arguments = {std::string(row.type), std::string(row.cmd)};
        if (row.kind == eReq_SystemModify) {
            arguments.push_back("MaxClientSendBuffer=32");
        } else if (row.kind == eReq_DnsSystemSet) {
            arguments.push_back("MaxRetryingTimes=3");
        } else {
            for (const nsMoxHttp::TemplateField& field : nsMoxHttp::TemplateFields(row.bodyTemplate))
                if (field.name != "SessionID" && field.name != "RequestID")
                    arguments.push_back(std::string(field.name) + (field.conversion == 'd' ? "=1" : "=x"));
        }
        sim.clearRequests();
        const Outcome outcome = Run(arguments);
        const std::string request = std::string(row.type) + " " + std::string(row.cmd);
        // Accepted or refused by the server: never unsent, unanswered or unreadable.
        EXPECT_TRUE(outcome.status == 0 || outcome.status == 1) << request << ": " << outcome.status << outcome.err;
        const Json::Value log = sim.requests();
        ASSERT_GT(log.size(), 0u);
        // A change of a record the server does not have stops after reading the list.
        const bool unknownRecord = outcome.status == 1 && outcome.err.find("; nothing changed") != std::string::npos;
        if (!unknownRecord) {
            EXPECT_EQ(log[log.size() - 1]["query"].asString(),
                      "type=" + std::string(row.type) + "&cmd=" + std::string(row.cmd))
                << request;
        }
    }
}

TEST_F(Morvixctl, HostsPrintsTheMonitorTableAndWatchesIntervals)
{
    const Outcome once = Run({"hosts"});
    ASSERT_EQ(once.status, 0) << once.err;
    EXPECT_NE(once.out.find("每间隔请求数"), std::string::npos) << once.out;
    EXPECT_NE(once.out.find("m/s"), std::string::npos);

    auto watch = Start({"--json", "hosts", "--watch"});
    ASSERT_TRUE(WaitUntil([&] { return watch->OutLines().size() >= 2; }, std::chrono::seconds(20))) << watch->Err();
    watch->Signal(SIGINT);
    EXPECT_EQ(watch->Wait(), 0);
    const Json::Value first = ParseJson(watch->OutLines()[0]);
    const Json::Value second = ParseJson(watch->OutLines()[1]);
    ASSERT_TRUE(second.isArray() && second.size() == first.size() && !second.empty());
    double sent = 0;
    for (const Json::Value& host : second) {
        EXPECT_GE(host["IntervalRequests"].asInt64(), 0) << host;
        sent += host["IntervalSentBytes"].asDouble();
    }
    EXPECT_EQ(first[0]["IntervalSentBytes"].asDouble(), 0) << "the first sample has no interval";
    EXPECT_GT(sent, 0) << "the simulator's hosts move between two polls";
}

TEST_F(Morvixctl, DnsRedirectEntriesGoOutToAFileAndComeBackIn)
{
    const std::filesystem::path file = data / "dns.txt";
    const Outcome exported = Run({"dns", "export", file.string()});
    ASSERT_EQ(exported.status, 0) << exported.err;
    const std::string text = morvix::test::ReadBytes(file);
    EXPECT_EQ(text.substr(0, text.find("\r\n") + 2), "address=/news.example.com/" + std::string(34, ' ') + "#新闻频道\r\n");
    EXPECT_NE(text.find("refuse=/pay.example.com/"), std::string::npos);
    EXPECT_EQ(text.find("www.example.com"), std::string::npos) << "built-in entries stay out";

    morvix::test::WriteBytes(file, "address=/b.com/\r\n# not a rule\r\nrefuse=/news.example.com/\r\n");
    const Outcome imported = Run({"dns", "import", file.string()});
    EXPECT_EQ(imported.status, 1) << "the server refuses the entry it already has";
    // The counts, then each entry that did not go in, with the server's reason.
    EXPECT_TRUE(imported.out.starts_with("accepted 1, refused 1, timed out 0\nrefused: dns Name=news.example.com  "))
        << imported.out;
    EXPECT_TRUE(std::regex_match(LastLoggedBody(sim, "dns", "redirect-add"),
                                 std::regex("SessionID=[^&]+&RequestID=N&Name=news.example.com&IP=&Enable=0&Note=")));

    EXPECT_EQ(Run({"dns", "import", (data / "missing.txt").string()}).status, 74);
    EXPECT_EQ(Run({"dns", "import", data.Path().string()}).status, 74) << "a folder";
    EXPECT_EQ(Run({"dns", "export", (data / "missing" / "dns.txt").string()}).status, 74);
    EXPECT_EQ(Run({"dns", "export"}).status, 64);
}
