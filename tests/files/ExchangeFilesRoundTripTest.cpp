// Random entry sets written to each exchanged file and read back come back the same, apart from
// what the formats say they change: line breaks and NULs written as blanks (counted), and entries
// whose black-list or DNS values hold the characters that separate a line's parts (left out and
// counted). Quotes and blanks at a value's ends and values of any length travel whole. A value can
// never add a line, a key or an entry.
// The seed is printed; MORVIX_TEST_SEED repeats a run.
#include "features/access/BlackListFile.h"
#include "features/cache/RulesFile.h"
#include "features/config/DnsRedirectFile.h"
#include "shell/Utf8Text.h"

#include "support/TestSeed.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <random>

namespace {

constexpr int kRounds = 60;

class Random : public morvix::test::SeededRandom {
public:
    bool OneIn(int n) { return Between(1, n) == 1; }

    // Up to `most` characters drawn from `pieces`; now and then exactly `most`.
    std::string Text(const std::vector<std::string_view>& pieces, int most)
    {
        const int length = OneIn(5) ? most : Between(0, most);
        std::string text;
        for (int i = 0; i < length; ++i)
            text += pieces[static_cast<std::size_t>(Between(0, static_cast<int>(pieces.size()) - 1))];
        return text;
    }
};

// Everything a note may hold: Chinese and other UTF-8, the characters the formats use, quotes,
// blanks, NULs and line breaks of every kind. CR LF counts as one character, as the flattening does.
const std::vector<std::string_view> kNotePieces = {"a", "Z", "7", "注", "释", "é", "😀", " ", "\t", "=", "[", "]", "#",
                                                   "/", "-", "\"", "'", ";", "\r", "\n", "\r\n", std::string_view("\0", 1)};
// What a URL or a name may hold, line breaks included.
const std::vector<std::string_view> kUrlPieces = {"a", "/", "*", "?", "=", "&", "中", "%", "[", "]", "#",
                                                  "\"", " ", "\r\n", "\n"};

std::size_t LineBreakValues(std::initializer_list<const std::string*> values)
{
    std::size_t count = 0;
    for (const std::string* value : values)
        count += ExchangeFileText::HasLineBreak(*value) ? 1 : 0;
    return count;
}

}  // namespace

TEST(ExchangeFilesRoundTrip, RulesFileGivesBackItsRules)
{
    Random random;
    SCOPED_TRACE("seed " + std::to_string(random.Seed()));
    for (int round = 0; round < kRounds; ++round) {
        RuleSet rules;
        std::size_t lineBreaks = 0;
        // Now and then past the server's limits: the file carries them whole, the server judges.
        const auto url = [&random] { return random.Text(kUrlPieces, FCacheRule::kUrlLimit + 8) + "x"; };
        const auto number = [&random] { return random.Between(0, 999999999); };
        for (int n = random.Between(0, 6); n > 0; --n) {
            FCacheRule rule{0, "", url(), number(), number(), number(), number(), number(),
                            random.Text(kNotePieces, 700), number(), number()};
            lineBreaks += LineBreakValues({&rule.Url, &rule.Note});
            rules.fcache.push_back(rule);
        }
        for (int n = random.Between(0, 6); n > 0; --n) {
            RCacheRule rule{0, "", url(), number(), number(), random.Text(kNotePieces, 700),
                            number(), number()};
            lineBreaks += LineBreakValues({&rule.Url, &rule.Note});
            rules.rcache.push_back(rule);
        }
        for (int n = random.Between(0, 6); n > 0; --n) {
            SCacheRule rule{0, "", url(), number(), number(), random.Text(kUrlPieces, 60) + "D", number(),
                            random.Text(kNotePieces, 700)};
            lineBreaks += LineBreakValues({&rule.ActionUrl, &rule.SetCookieSessionID, &rule.Note});
            rules.scache.push_back(rule);
        }
        for (int n = random.Between(0, 6); n > 0; --n) {
            RewriteRule rule{0, "", url(), random.Text(kUrlPieces, RewriteRule::kUrlLimit), number(), number(),
                             random.Text(kNotePieces, 700)};
            lineBreaks += LineBreakValues({&rule.SourceUrl, &rule.DestinationUrl, &rule.Note});
            rules.rewrite.push_back(rule);
        }

        const ExchangeFileText::Written file = RulesFileText(rules, eRulesBlock_All);
        EXPECT_EQ(file.flattenedValues, lineBreaks);
        const RuleSet read = ReadRulesFile(file.text, eRulesBlock_All);
        ASSERT_EQ(read.fcache.size(), rules.fcache.size());
        ASSERT_EQ(read.rcache.size(), rules.rcache.size());
        ASSERT_EQ(read.scache.size(), rules.scache.size());
        ASSERT_EQ(read.rewrite.size(), rules.rewrite.size());
        for (std::size_t i = 0; i < rules.fcache.size(); ++i) {
            const FCacheRule& sent = rules.fcache[i];
            const FCacheRule& got = read.fcache[i];
            EXPECT_EQ(got.Url, ExchangeFileText::OneLine(sent.Url));
            EXPECT_EQ(got.Note, ExchangeFileText::OneLine(sent.Note));
            EXPECT_EQ(std::tie(got.Icase, got.Rules, got.Expire, got.Unit, got.Icookie, got.Olimit, got.IsDiskCache),
                      std::tie(sent.Icase, sent.Rules, sent.Expire, sent.Unit, sent.Icookie, sent.Olimit,
                               sent.IsDiskCache));
        }
        for (std::size_t i = 0; i < rules.rcache.size(); ++i) {
            const RCacheRule& sent = rules.rcache[i];
            const RCacheRule& got = read.rcache[i];
            EXPECT_EQ(got.Url, ExchangeFileText::OneLine(sent.Url));
            EXPECT_EQ(got.Note, ExchangeFileText::OneLine(sent.Note));
            EXPECT_EQ(std::tie(got.Icase, got.Rules, got.Olimit, got.CacheLocation),
                      std::tie(sent.Icase, sent.Rules, sent.Olimit, sent.CacheLocation));
        }
        for (std::size_t i = 0; i < rules.scache.size(); ++i) {
            const SCacheRule& sent = rules.scache[i];
            const SCacheRule& got = read.scache[i];
            EXPECT_EQ(got.ActionUrl, ExchangeFileText::OneLine(sent.ActionUrl));
            EXPECT_EQ(got.SetCookieSessionID, ExchangeFileText::OneLine(sent.SetCookieSessionID));
            EXPECT_EQ(got.Note, ExchangeFileText::OneLine(sent.Note));
            EXPECT_EQ(std::tie(got.Icase, got.Rules, got.SessionExpire),
                      std::tie(sent.Icase, sent.Rules, sent.SessionExpire));
        }
        for (std::size_t i = 0; i < rules.rewrite.size(); ++i) {
            const RewriteRule& sent = rules.rewrite[i];
            const RewriteRule& got = read.rewrite[i];
            EXPECT_EQ(got.SourceUrl, ExchangeFileText::OneLine(sent.SourceUrl));
            EXPECT_EQ(got.DestinationUrl, ExchangeFileText::OneLine(sent.DestinationUrl));
            EXPECT_EQ(got.Note, ExchangeFileText::OneLine(sent.Note));
            EXPECT_EQ(std::tie(got.Icase, got.Flag), std::tie(sent.Icase, sent.Flag));
        }
    }
}

TEST(ExchangeFilesRoundTrip, BlackListFileGivesBackItsEntries)
{
    Random random;
    SCOPED_TRACE("seed " + std::to_string(random.Seed()));
    // "-" parts the range and "/" the line: an entry whose low address holds either, or whose high
    // address or expiry holds a "/", is left out of the file, and the export says how many were.
    const std::vector<std::string_view> addressPieces = {"1", "0", ".", ":", "a", "地", " ", "=", "#", "\r\n", "\n", "\r"};
    std::vector<std::string_view> highPieces = addressPieces;
    highPieces.push_back("-");
    const std::vector<std::string_view> expiryPieces = {"2", "0", "-", ":", " ", "\r", "\n"};
    const auto insertSomewhere = [&random](std::string& value, std::string_view piece) {
        value.insert(static_cast<std::size_t>(random.Between(0, static_cast<int>(value.size()))), piece);
    };
    for (int round = 0; round < kRounds; ++round) {
        std::vector<AddressListEntry> entries;
        std::vector<AddressListEntry> expected;
        std::size_t leftOut = 0, lineBreaks = 0;
        for (int n = random.Between(0, 8); n > 0; --n) {
            AddressListEntry entry;
            entry.Low = random.Text(addressPieces, AddressListEntry::kAddressLimit);
            entry.High = random.Text(highPieces, AddressListEntry::kAddressLimit);
            entry.Expire = random.Text(expiryPieces, 19);
            entry.Note = random.Text(kNotePieces, 599);
            if (random.OneIn(6))
                insertSomewhere(entry.Low, random.OneIn(2) ? "-" : "/");
            if (random.OneIn(8))
                insertSomewhere(random.OneIn(2) ? entry.High : entry.Expire, "/");
            entries.push_back(entry);
            if (!BlackListEntryFitsLine(entry)) {
                ++leftOut;
                continue;
            }
            lineBreaks += LineBreakValues({&entry.Low, &entry.High, &entry.Expire, &entry.Note});
            expected.push_back(entry);
        }
        const ExchangeFileText::Written file = BlackListFileText(entries);
        EXPECT_EQ(file.leftOutEntries, leftOut);
        EXPECT_EQ(file.flattenedValues, lineBreaks);
        const BlackListFileRead read = ReadBlackListFile(file.text);
        ASSERT_EQ(read.entries.size(), expected.size()) << file.text;
        EXPECT_TRUE(read.singleAddressRanges.empty());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(read.entries[i].Low, ExchangeFileText::OneLine(expected[i].Low));
            EXPECT_EQ(read.entries[i].High, ExchangeFileText::OneLine(expected[i].High));
            EXPECT_EQ(read.entries[i].Expire, ExchangeFileText::OneLine(expected[i].Expire));
            EXPECT_EQ(read.entries[i].Note, ExchangeFileText::OneLine(expected[i].Note));
        }
    }
}

TEST(ExchangeFilesRoundTrip, DnsRedirectFileGivesBackItsCustomEntries)
{
    Random random;
    SCOPED_TRACE("seed " + std::to_string(random.Seed()));
    const std::vector<std::string_view> namePieces = {"a", "z", "9", "-", ".", "_", "中", "=", "[", "]", "\"", "'"};
    // A name holding these is left out of the file, and the export says how many were.
    const std::vector<std::string_view> unfit = {"/", "#", " ", "\t", "\r\n", "\n"};
    const std::vector<std::string_view> ipPieces = {"1", "0", ".", ":", "f", "/"};
    // An address holding these, or ending in "/", is left out as well.
    const std::vector<std::string_view> unfitInAddress = {"#", " ", "\t"};
    for (int round = 0; round < kRounds; ++round) {
        std::vector<DnsRedirectEntry> entries;
        std::vector<DnsRedirectEntry> expected;
        std::size_t leftOut = 0, lineBreaks = 0;
        for (int n = random.Between(0, 8); n > 0; --n) {
            DnsRedirectEntry entry;
            entry.Name = "n" + random.Text(namePieces, DnsRedirectEntry::kNameLimit - 1);
            entry.IP = random.Text(ipPieces, DnsRedirectEntry::kIpLimit);
            entry.Enable = random.Between(0, 1);
            entry.Note = random.Text(kNotePieces, DnsRedirectEntry::kNoteLimit);
            entry.TTL = random.Between(1, 100);
            entry.THC = random.Between(1, 100);
            entry.IsSystem = random.OneIn(6);
            if (random.OneIn(6))
                entry.Name.insert(static_cast<std::size_t>(random.Between(0, static_cast<int>(entry.Name.size()))),
                                  unfit[static_cast<std::size_t>(random.Between(0, static_cast<int>(unfit.size()) - 1))]);
            if (random.OneIn(6))
                entry.IP.insert(static_cast<std::size_t>(random.Between(0, static_cast<int>(entry.IP.size()))),
                                unfitInAddress[static_cast<std::size_t>(random.Between(0, 2))]);
            entries.push_back(entry);
            if (entry.IsSystem)
                continue;
            if (!DnsNameFitsLine(entry.Name) || !DnsAddressFitsLine(entry.IP)) {
                ++leftOut;
                continue;
            }
            lineBreaks += LineBreakValues({&entry.Note});
            expected.push_back({entry.Name, entry.IP, 0, entry.Enable, ExchangeFileText::OneLine(entry.Note), 0, false});
        }
        const ExchangeFileText::Written file = FormatDnsRedirectLines(entries);
        EXPECT_EQ(file.leftOutEntries, leftOut);
        EXPECT_EQ(file.flattenedValues, lineBreaks);
        const std::vector<DnsRedirectEntry> read = ParseDnsRedirectLines(file.text);
        ASSERT_EQ(read.size(), expected.size()) << file.text;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(read[i].Name, expected[i].Name);
            EXPECT_EQ(read[i].IP, expected[i].IP);
            EXPECT_EQ(read[i].Enable, expected[i].Enable);
            EXPECT_EQ(read[i].Note, expected[i].Note);
            EXPECT_EQ(std::tie(read[i].TTL, read[i].THC, read[i].IsSystem), std::tie(expected[i].TTL, expected[i].THC,
                                                                                   expected[i].IsSystem));
        }
    }
}

// The notes of the report that found the fault, each written on its own line in its own file.
TEST(ExchangeFilesRoundTrip, ANoteShapedLikeTheFileAddsNothing)
{
    RewriteRule rule;
    rule.SourceUrl = "/inj/*";
    rule.Note = "first\r\n[Rewrite]\r\nRewriteCount=1\r\nSourceUrl_1=/evil";
    RuleSet rules;
    rules.rewrite.push_back(rule);
    FCacheRule page;
    page.Url = "/inj/*";
    page.Note = rule.Note;
    rules.fcache.push_back(page);
    const ExchangeFileText::Written rulesFile = RulesFileText(rules, eRulesBlock_All);
    EXPECT_NE(rulesFile.text.find("Note_1        =first [Rewrite] RewriteCount=1 SourceUrl_1=/evil\r\n"),
              std::string::npos);
    EXPECT_EQ(rulesFile.flattenedValues, 2u);
    const RuleSet read = ReadRulesFile(rulesFile.text, eRulesBlock_All);
    ASSERT_EQ(read.rewrite.size(), 1u);
    EXPECT_EQ(read.rewrite[0].SourceUrl, "/inj/*");

    const ExchangeFileText::Written blackFile =
        BlackListFileText({{0, "b", "1.1.1.1", "1.1.1.2", "2030-01-01 00:00:00",
                            "x\r\n9.9.9.9-9.9.9.9/2030-01-01 00:00:00/evil"}});
    EXPECT_EQ(blackFile.text, "1.1.1.1-1.1.1.2/2030-01-01 00:00:00/x 9.9.9.9-9.9.9.9/2030-01-01 00:00:00/evil\r\n");
    EXPECT_EQ(ReadBlackListFile(blackFile.text).entries.size(), 1u);

    DnsRedirectEntry dns{"a.com", "1.2.3.4", 0, 1, "x\r\naddress=/evil.example/6.6.6.6", 0, false};
    const ExchangeFileText::Written dnsFile = FormatDnsRedirectLines({dns});
    EXPECT_EQ(dnsFile.flattenedValues, 1u);
    const std::vector<DnsRedirectEntry> dnsRead = ParseDnsRedirectLines(dnsFile.text);
    ASSERT_EQ(dnsRead.size(), 1u);
    EXPECT_EQ(dnsRead[0].Name, "a.com");
    EXPECT_EQ(ExchangeFileText::ExportStatusText("导出完成", dnsFile), "导出完成，1 个值中的换行写作了空格。");
}
