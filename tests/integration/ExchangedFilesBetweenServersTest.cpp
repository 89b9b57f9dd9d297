// Server A's lists, exported by morvixctl to the three exchanged files and imported into server B,
// arrive field by field as A holds them: values with quotes or blanks at their ends, NULs and line
// breaks of every kind, and lengths up to and past the server's limits. A line break or NUL arrives
// as a blank and the export says so; a value past B's limit is refused by B, loudly. Files pieced
// together from UTF-8 and GB18030 lines read the same. The seed is printed; MORVIX_TEST_SEED
// repeats a run.
#include "files/ScratchDirectory.h"
#include "integration/MorvixctlProcess.h"
#include "shell/ExchangeFileText.h"
#include "shell/Utf8Text.h"
#include "support/SimProcess.h"
#include "support/WaitUntil.h"

#include "support/TestSeed.h"

#include <gtest/gtest.h>
#include <iconv.h>
#include <json/json.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <random>

using morvix::test::MorvixctlProcess;
using morvix::test::Outcome;
using morvix::test::ScratchDirectory;
using morvix::test::SimProcess;
using morvix::test::WaitForOutcome;
using morvix::test::WaitUntil;
using morvix::test::WriteBytes;

namespace {

constexpr int kEntriesPerList = 10;

class Random : public morvix::test::SeededRandom {
public:

    // A value of the shapes the files must carry: quotes or blanks at either end, NULs, line breaks,
    // and a length, as it arrives, short, at the limit (shape 0) or just past it (shape 1). `tag`,
    // in its middle, keeps patterns apart.
    std::string Value(const std::vector<std::string_view>& pieces, int limit, int shape, std::string_view tag = {})
    {
        const int length = shape == 0 ? limit : shape == 1 ? limit + 1 : Between(1, 40);
        const auto arriving = [](const std::string& text) {
            return static_cast<int>(Utf8Text::CountCharacters(ExchangeFileText::OneLine(text)));
        };
        std::string text;
        while (arriving(text) < length) {
            if (!tag.empty() && arriving(text) >= length / 2) {
                text += tag;
                tag = {};
                continue;
            }
            text += pieces[static_cast<std::size_t>(Between(0, static_cast<int>(pieces.size()) - 1))];
        }
        // Quotes and blanks take the place of the first and last characters, keeping the length.
        const std::string_view ends[] = {"\"", " ", "\t", ""};
        const std::string_view front = ends[Between(0, 3)], back = ends[Between(0, 3)];
        if (!front.empty() && Utf8Text::CountCharacters(text) > 2)
            text = std::string(front) + text.substr(Utf8Text::CutToCharacters(text, 1).size());
        if (!back.empty() && Utf8Text::CountCharacters(text) > 2 && static_cast<unsigned char>(text.back()) < 0x80 &&
            text.back() != '\n')
            text.back() = back.front();
        return text;
    }
};

using namespace std::string_view_literals;
const std::vector<std::string_view> kPieces = {"a", "Z", "7", "中", "é", " ", "\t", "\"", "'", "=", "#", "/", "[",
                                               "\r\n", "\n", "\r", "\0"sv};
// A rewrite pattern is a regular expression: no NUL and nothing special in it.
const std::vector<std::string_view> kPatternPieces = {"a", "Z", "7", "中", " ", "\"", "'", "=", "#", "/", "\r\n", "\n"};

struct TextField {
    const char* key;
    int limit;  // the server's, in characters
    const std::vector<std::string_view>* pieces = &kPieces;
};

struct Family {
    const char* name;  // in the simulator's state and on morvixctl's command line
    const char* idKey;
    std::vector<TextField> texts;
    Json::Value fixed;  // the other fields of every entry
};

Outcome RunCtl(SimProcess& server, const ScratchDirectory& scratch, std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), {"--server", server.host()});
    MorvixctlProcess process(arguments, {"MORVIX_PASSWORD=admin", "XDG_DATA_HOME=" + scratch.Path().string()});
    return WaitForOutcome(process);
}

// Every other line of the file re-encoded as GB18030, as a file pieced together from an older
// console's export and a newer one's would be.
void MixInGb18030(const std::filesystem::path& file)
{
    const std::string text = morvix::test::ReadBytes(file);
    std::string mixed;
    iconv_t converter = iconv_open("GB18030", "UTF-8");
    ASSERT_NE(converter, reinterpret_cast<iconv_t>(-1));
    std::size_t number = 0;
    for (std::size_t start = 0; start < text.size(); ++number) {
        const std::size_t end = std::min(text.find('\n', start), text.size() - 1) + 1;
        std::string line = text.substr(start, end - start);
        start = end;
        if (number % 2 == 1) {
            std::string out(line.size() * 4 + 4, '\0');
            char* in = line.data();
            char* to = out.data();
            std::size_t inLeft = line.size(), outLeft = out.size();
            ASSERT_NE(iconv(converter, &in, &inLeft, &to, &outLeft), static_cast<std::size_t>(-1));
            out.resize(out.size() - outLeft);
            line = out;
        }
        mixed += line;
    }
    iconv_close(converter);
    WriteBytes(file, mixed);
}

Json::Value WithoutIds(Json::Value entries, const char* idKey)
{
    for (Json::Value& entry : entries)
        entry.removeMember(idKey);
    return entries;
}

}  // namespace

TEST(ExchangedFilesBetweenServers, EveryValueArrivesAsServerAHoldsItOrIsRefusedAloud)
{
    Random random;
    SCOPED_TRACE("seed " + std::to_string(random.Seed()));
    ScratchDirectory scratch;
    SimProcess a, b;

    Json::Value wildcard;
    wildcard["Icase"] = "1";
    wildcard["Rules"] = "0";  // a wildcard pattern: any text is one
    Json::Value page = wildcard, refuse = wildcard, session = wildcard, rewrite, black;
    for (const auto& [key, value] : {std::pair{"Expire", "30"}, {"Unit", "2"}, {"Icookie", "1"}, {"Olimit", "0"},
                                     {"IsDiskCache", "1"}})
        page[key] = value;
    refuse["Olimit"] = "0";
    refuse["CacheLocation"] = "1";
    session["SessionExpire"] = "60";
    rewrite["Icase"] = "1";
    rewrite["Flag"] = "2";
    black["Expire"] = "2030-01-01 00:00:00";
    const std::vector<Family> rules = {
        {"fcache", "Wid", {{"Url", 1024}, {"Note", 600}}, page},
        {"rcache", "Wid", {{"Url", 1024}, {"Note", 600}}, refuse},
        {"scache", "Wid", {{"ActionUrl", 1024}, {"SetCookieSessionID", 64}, {"Note", 600}}, session},
        {"rewrite", "RewriteID", {{"SourceUrl", 1024, &kPatternPieces}, {"DestinationUrl", 1024}, {"Note", 600}}, rewrite},
    };
    const Family blackList{"black", "BlackID", {{"Note", 600}}, black};

    // Fills A's list with generated entries; gives what B should hold after the round trip, and
    // whether any value needed flattening or lies past B's limit.
    struct Expected {
        Json::Value entries{Json::arrayValue};
        bool flattened = false;
        bool refused = false;
    };
    const auto fill = [&](const Family& family, const std::function<void(Json::Value&, int)>& identify) {
        Json::Value document = a.state()[family.name];
        document["entries"] = Json::arrayValue;
        Expected expected;
        for (int i = 0; i < kEntriesPerList; ++i) {
            Json::Value entry = family.fixed, arrives = family.fixed;
            bool fits = true;
            for (const TextField& field : family.texts) {
                const std::string tag = &field == &family.texts.front() ? "<" + std::to_string(i) + ">" : "";
                // Every sixth entry's first value is at the limit, the next one's past it.
                const int shape = &field == &family.texts.front() ? i % 6 : random.Between(0, 5);
                const std::string value = random.Value(*field.pieces, field.limit, shape, tag);
                const std::string oneLine = ExchangeFileText::OneLine(value);
                entry[field.key] = value;
                arrives[field.key] = oneLine;
                expected.flattened = expected.flattened || oneLine != value;
                fits = fits && static_cast<int>(Utf8Text::CountCharacters(oneLine)) <= field.limit;
            }
            identify(entry, i);
            identify(arrives, i);
            entry[family.idKey] = std::to_string(50000 + i);
            document["entries"].append(entry);
            if (fits)
                expected.entries.append(arrives);
            expected.refused = expected.refused || !fits;
        }
        a.setState(family.name, document);
        Json::Value none;
        none["count"] = 0;
        b.setState(family.name, none);
        return expected;
    };
    std::vector<Expected> expectedRules;
    for (const Family& family : rules)
        expectedRules.push_back(fill(family, [](Json::Value&, int) {}));
    const Expected expectedBlack = fill(blackList, [](Json::Value& entry, int i) {
        entry["Low"] = entry["High"] = "10.0." + std::to_string(i) + ".1";  // ranges must not overlap
    });

    const auto travel = [&](const char* type, const std::vector<const Expected*>& lists, bool mixedEncoding) {
        const std::string file = (scratch / (std::string(type) + ".txt")).string();
        bool flattened = false, refused = false;
        for (const Expected* list : lists) {
            flattened = flattened || list->flattened;
            refused = refused || list->refused;
        }
        const Outcome exported = RunCtl(a, scratch, {type, "export", file});
        EXPECT_EQ(exported.status, flattened ? 65 : 0) << type << ": " << exported.err;
        if (mixedEncoding)
            MixInGb18030(file);
        const Outcome imported = RunCtl(b, scratch, {type, "import", file});
        EXPECT_EQ(imported.status, refused ? 1 : 0) << type << ": " << imported.out << imported.err;
    };
    travel("rules", {&expectedRules[0], &expectedRules[1], &expectedRules[2], &expectedRules[3]}, false);
    travel("black", {&expectedBlack}, true);

    bool anyFlattened = expectedBlack.flattened, anyRefused = expectedBlack.refused;
    for (std::size_t i = 0; i < rules.size(); ++i) {
        EXPECT_EQ(WithoutIds(b.state()[rules[i].name]["entries"], rules[i].idKey), expectedRules[i].entries)
            << rules[i].name;
        anyFlattened = anyFlattened || expectedRules[i].flattened;
        anyRefused = anyRefused || expectedRules[i].refused;
    }
    // The shapes that once went wrong were drawn, and most entries fit.
    EXPECT_TRUE(anyFlattened && anyRefused);
    EXPECT_GT(expectedBlack.entries.size(), 0u);
    EXPECT_EQ(WithoutIds(b.state()["black"]["entries"], "BlackID"), expectedBlack.entries);
}

// The DNS list's names and addresses are the server's own shapes; its notes carry every shape.
TEST(ExchangedFilesBetweenServers, DnsNotesArriveAsServerAHoldsThem)
{
    Random random;
    SCOPED_TRACE("seed " + std::to_string(random.Seed()));
    ScratchDirectory scratch;
    SimProcess a, b;
    Json::Value document = a.state()["dnsredirect"];
    document["custom"] = Json::arrayValue;
    Json::Value emptied = b.state()["dnsredirect"];
    emptied["custom"] = Json::arrayValue;
    b.setState("dnsredirect", emptied);
    Json::Value expected(Json::arrayValue);
    bool flattened = false, refused = false;
    for (int i = 0; i < kEntriesPerList; ++i) {
        Json::Value entry;
        entry["Name"] = "n" + std::to_string(i) + ".example.com";
        entry["IP"] = i % 2 ? "10.1.1." + std::to_string(i) : "";
        entry["TTL"] = 300;
        entry["Enable"] = i % 3 ? 1 : 0;
        const std::string note = random.Value(kPieces, 499, i % 6);
        entry["Note"] = note;
        document["custom"].append(entry);
        const std::string oneLine = ExchangeFileText::OneLine(note);
        flattened = flattened || oneLine != note;
        if (Utf8Text::CountCharacters(oneLine) > 499) {
            refused = true;
            continue;
        }
        entry["Note"] = oneLine;
        expected.append(entry);
    }
    a.setState("dnsredirect", document);
    const std::string file = (scratch / "dns.txt").string();
    const Outcome exported = RunCtl(a, scratch, {"dns", "export", file});
    EXPECT_EQ(exported.status, flattened ? 65 : 0) << exported.err;
    MixInGb18030(file);
    const Outcome imported = RunCtl(b, scratch, {"dns", "import", file});
    EXPECT_EQ(imported.status, refused ? 1 : 0) << imported.out << imported.err;
    EXPECT_EQ(b.state()["dnsredirect"]["custom"], expected);
}

// Stopped by a signal while each add takes its time: nothing more is sent, the count printed is
// what the server holds, and the status is the shell's for the signal.
TEST(ExchangedFilesBetweenServers, AnImportStopsWhenTold)
{
    struct Case {
        const char* type;
        const char* addCmd;
        const char* family;
        std::function<std::string(int)> line;
        std::function<std::size_t(const Json::Value&)> held;
        int signal;
        int status;
    };
    const Case cases[] = {
        {"dns", "redirect-add", "dnsredirect",
         [](int i) { return "address=/s" + std::to_string(i) + ".example.com/\r\n"; },
         [](const Json::Value& state) { return state["custom"].size(); }, SIGTERM, 143},
        {"black", "add", "black",
         [](int i) { return "10.2." + std::to_string(i) + ".1-10.2." + std::to_string(i) + ".1/2030-01-01 00:00:00/x\r\n"; },
         [](const Json::Value& state) { return state["entries"].size(); }, SIGINT, 130},
        {"rules", "add", "fcache",
         [](int i) {
             return (i == 0 ? std::string("[FCache]\r\nFCacheCount=50\r\n") : std::string()) + "Url_" +
                    std::to_string(i + 1) + "=/p" + std::to_string(i) + "/*\r\n";
         },
         [](const Json::Value& state) { return state["entries"].size(); }, SIGTERM, 143},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        ScratchDirectory scratch;
        SimProcess server;
        Json::Value emptied = server.state()[c.family];
        emptied[std::string(c.family) == "dnsredirect" ? "custom" : "entries"] = Json::arrayValue;
        server.setState(c.family, emptied);
        std::string text;
        for (int i = 0; i < 50; ++i)
            text += c.line(i);
        WriteBytes(scratch / "list.txt", text);
        Json::Value delay;
        delay["kind"] = "delay";
        delay["ms"] = 300;
        delay["type"] = c.family == std::string("dnsredirect") ? "dns" : c.family;
        delay["cmd"] = c.addCmd;
        server.addFault(delay);

        MorvixctlProcess process({"--server", server.host(), c.type, "import", (scratch / "list.txt").string()},
                                 {"MORVIX_PASSWORD=admin", "XDG_DATA_HOME=" + scratch.Path().string()});
        const auto adds = [&] {
            std::size_t count = 0;
            for (const Json::Value& request : server.requests())
                count += request["query"].asString() == "type=" + delay["type"].asString() + "&cmd=" + c.addCmd ? 1 : 0;
            return count;
        };
        ASSERT_TRUE(WaitUntil([&] { return adds() >= 3; }, std::chrono::seconds(30)));
        process.Signal(c.signal);
        const Outcome outcome = WaitForOutcome(process);
        EXPECT_EQ(outcome.status, c.status) << outcome.err;
        const std::size_t held = c.held(server.state()[c.family]);
        EXPECT_LT(held, 50u) << "the rest was not sent";
        EXPECT_EQ(adds(), held) << "every add sent was answered before the run ended";
        EXPECT_EQ(outcome.out, "accepted " + std::to_string(held) + ", refused 0, timed out 0\n");
    }
}

// An add the server carried out but whose answer was lost on the way is looked for in the server's
// list, and counted when it is there: the count is what the server holds.
TEST(ExchangedFilesBetweenServers, AnAddWhoseAnswerWasLostIsReadBack)
{
    ScratchDirectory scratch;
    SimProcess server;
    Json::Value none;
    none["count"] = 0;
    server.setState("black", none);
    WriteBytes(scratch / "black.txt", "10.3.0.1-10.3.0.2/2030-01-01 00:00:00/a\r\n10.3.1.1-10.3.1.2/2030-01-01 00:00:00/b\r\n");
    Json::Value lost;
    lost["kind"] = "reset";  // the add is carried out, its answer cut
    lost["type"] = "black";
    lost["cmd"] = "add";
    lost["count"] = 1;
    server.addFault(lost);
    const Outcome outcome = RunCtl(server, scratch, {"black", "import", (scratch / "black.txt").string()});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, "accepted 2, refused 0, timed out 0\n");
    EXPECT_EQ(server.state()["black"]["entries"].size(), 2u);
}
