#include "features/cache/RulesFile.h"

#include <gtest/gtest.h>

namespace {

std::string Lines(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\r\n";
    return text;
}

}  // namespace

TEST(RulesFile, PageCacheBlockIsWrittenByteForByte)
{
    FCacheRule rule;
    rule.Url = "/news/*";
    rule.Icase = 1;
    rule.Rules = 0;
    rule.Expire = 30;
    rule.Unit = 2;
    rule.Icookie = 1;
    rule.Olimit = 0;
    rule.IsDiskCache = 1;
    EXPECT_EQ(RulesFileText({{rule}, {}, {}, {}}, eRulesBlock_FCache).text,
              Lines({"", "#页面缓存规则", "[FCache]", "FCacheCount   =1", "", "Url_1         =/news/*",
                     "Icase_1       =1", "Rules_1       =0", "Expire_1      =30", "Unit_1        =2",
                     "Icookie_1     =1", "Olimit_1      =0", "IsDiskCache_1 =1", "Note_1        =", ""}));
}

TEST(RulesFile, ChosenBlocksComeInOrderAndRefuseAndSessionBlocksEndWithAnEmptyLine)
{
    RuleSet rules;
    rules.scache.push_back({0, "w", "/login", 1, 0, "SID", 60, "n"});
    EXPECT_EQ(RulesFileText(rules, eRulesBlock_SCache).text,
              Lines({"", "#会话缓存规则", "[SCache]", "SCacheCount          =1", "", "ActionUrl_1          =/login",
                     "Icase_1              =1", "Rules_1              =0", "SetCookieSessionID_1 =SID",
                     "SessionExpire_1      =60", "Note_1               =n", "", ""}));
    const std::string all = RulesFileText(RuleSet(), eRulesBlock_All).text;
    EXPECT_EQ(all, Lines({"", "#页面缓存规则", "[FCache]", "FCacheCount   =0", "", "", "#拒绝缓存规则", "[RCache]",
                          "RCacheCount     =0", "", "", "", "#会话缓存规则", "[SCache]", "SCacheCount          =0", "",
                          "", "", "#转向规则", "[Rewrite]", "RewriteCount     =0", ""}));
}

TEST(RulesFile, ReadingAppliesDefaultsLimitsAndSkips)
{
    const std::string text = Lines({"[fcache]", "FCacheCount=3", "Url_1=/a", "Url_3 = /c ", "Expire_3=12345678901",
                                    "Icase_3=0x",
                                    "[SCache]", "SCacheCount=2", "ActionUrl_1=/login", "ActionUrl_2=/in",
                                    "SetCookieSessionID_2=SID", "[RCache]", "RCacheCount=1", "Url_1=/r"});
    ExchangeFileText::ReadNotes notes;
    const RuleSet rules = ReadRulesFile(text, eRulesBlock_All, &notes);
    ASSERT_EQ(rules.fcache.size(), 2u) << "Url_2 is missing";
    EXPECT_EQ(notes.unreadable.count, 2u) << "the missing page-cache rule and the session rule without its cookie";
    EXPECT_EQ(notes.unreadable.first, std::vector<std::size_t>{9}) << "the line of the session rule's first key";
    EXPECT_EQ(rules.fcache[0].Url, "/a");
    EXPECT_EQ(rules.fcache[0].IsDiskCache, 0) << "a missing IsDiskCache reads as 0";
    EXPECT_EQ(rules.fcache[0].Expire, 30);
    EXPECT_EQ(rules.fcache[0].Unit, 2);
    EXPECT_EQ(rules.fcache[0].Icase, 1);
    EXPECT_EQ(rules.fcache[1].Url, "/c");
    EXPECT_EQ(rules.fcache[1].Expire, 123456789) << "numbers come from at most 9 characters";
    EXPECT_EQ(rules.fcache[1].Icase, 0) << "leading digits";
    ASSERT_EQ(rules.scache.size(), 1u) << "a session rule without its cookie name is left out";
    EXPECT_EQ(rules.scache[0].SetCookieSessionID, "SID");
    ASSERT_EQ(rules.rcache.size(), 1u);
    EXPECT_EQ(rules.rcache[0].CacheLocation, 0);
    EXPECT_TRUE(ReadRulesFile(text, eRulesBlock_Rewrite).rewrite.empty());
    EXPECT_TRUE(ReadRulesFile(text, eRulesBlock_SCache).fcache.empty()) << "unchosen blocks are not read";
}

TEST(RulesFile, AtMostAThousandRulesAreReadAndTheRestCountedAndNotesTravelWhole)
{
    RuleSet rules;
    for (int i = 0; i < 2000; ++i) {
        FCacheRule rule;
        rule.Url = "/p" + std::to_string(i);
        rule.Note = std::string(700, 'n');
        rules.fcache.push_back(rule);
    }
    ExchangeFileText::ReadNotes notes;
    const RuleSet read = ReadRulesFile(RulesFileText(rules, eRulesBlock_FCache).text, eRulesBlock_All, &notes);
    ASSERT_EQ(read.fcache.size(), 1000u);
    EXPECT_EQ(notes.beyondLimit, 1000u);
    EXPECT_EQ(read.fcache.back().Url, "/p999");
    EXPECT_EQ(read.fcache.front().Note, rules.fcache.front().Note);
}
