#include "protocol/ServerAddress.h"
#include "shell/HostText.h"

#include <gtest/gtest.h>

namespace {

HostText Split(std::string_view text)
{
    return SplitHostText(text, "6780");
}

}  // namespace

TEST(HostText, AnAddressWithoutPortGetsTheDefaultPort)
{
    EXPECT_EQ(Split("10.0.0.5").host, "10.0.0.5:6780");
    EXPECT_EQ(Split("10.0.0.5:81").host, "10.0.0.5:81");
    EXPECT_EQ(Split("cache-1.example_net").host, "cache-1.example_net:6780");
    // Only a colon after the first character counts as a port separator.
    EXPECT_EQ(Split(":81").host, ":81:6780");
}

TEST(HostText, TheRestOfTheTextIsTheLabel)
{
    const HostText labelled = Split("10.0.0.5:6780 北京机房 ");
    EXPECT_EQ(labelled.host, "10.0.0.5:6780");
    EXPECT_EQ(labelled.name, "北京机房");

    const HostText joined = Split("10.0.0.5:6780北京");
    EXPECT_EQ(joined.host, "10.0.0.5:6780");
    EXPECT_EQ(joined.name, "北京");

    EXPECT_EQ(Split("10.0.0.5").name, "");
}

TEST(HostText, TrailingPunctuationIsNotPartOfTheAddress)
{
    const HostText split = Split("10.0.0.5:.- (test)");
    EXPECT_EQ(split.host, "10.0.0.5:6780");
    EXPECT_EQ(split.name, "(test)");
    EXPECT_EQ(Split("10.0.0.5:81_-").host, "10.0.0.5:81");
}

TEST(HostText, TextWithoutAnAddressGivesNoHost)
{
    EXPECT_EQ(Split("").host, "");
    EXPECT_EQ(Split("   ").host, "");
    EXPECT_EQ(Split("...").host, "");
    const HostText labelOnly = Split("北京 10.0.0.5");
    EXPECT_EQ(labelOnly.host, "");
    EXPECT_EQ(labelOnly.name, "北京 10.0.0.5");
    EXPECT_EQ(Split("  10.0.0.5").host, "10.0.0.5:6780");
}

TEST(HostText, FileStemsAndSafeNames)
{
    EXPECT_EQ(HostFileStem("10.0.0.5:6780"), "10.0.0.5&6780");
    EXPECT_TRUE(IsPlainHost("10.0.0.5:6780"));
    EXPECT_FALSE(IsPlainHost(""));
    EXPECT_FALSE(IsPlainHost(".."));
    EXPECT_FALSE(IsPlainHost("../../etc/x:1"));
    EXPECT_FALSE(IsPlainHost("a b:1"));
}

TEST(HostText, HttpsStaysWithTheAddressAndPlainHttpIsWhatNoneMeans)
{
    struct Row {
        const char* typed;
        const char* host;
        const char* stem;
        bool plainToDistant;
    };
    const Row rows[] = {
        {"https://10.0.0.5 北京", "https://10.0.0.5:6780", "https@10.0.0.5&6780", false},
        {"HTTPS://cache1:443", "https://cache1:443", "https@cache1&443", false},
        {"http://10.0.0.5:81", "10.0.0.5:81", "10.0.0.5&81", true},
        {"10.0.0.5", "10.0.0.5:6780", "10.0.0.5&6780", true},
        {"127.0.0.1", "127.0.0.1:6780", "127.0.0.1&6780", false},
        {"localhost:81", "localhost:81", "localhost&81", false},
        {"localhost.example.net", "localhost.example.net:6780", "localhost.example.net&6780", true},
        {"https://", "", "", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        const std::string host = Split(row.typed).host;
        EXPECT_EQ(host, row.host);
        EXPECT_EQ(HostFileStem(host), row.stem);
        EXPECT_EQ(IsPlainHost(host), !host.empty());
        EXPECT_EQ(nsMoxHttp::IsPlainHttpToDistant(host), row.plainToDistant);
    }
    EXPECT_FALSE(IsPlainHost("https://../x:1"));
}
