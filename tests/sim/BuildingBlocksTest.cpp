#include "AdminError.h"
#include "FormFields.h"
#include "JsonText.h"
#include "PercentCodec.h"
#include "SimOptions.h"
#include "StateFile.h"
#include "StateJson.h"
#include "UrlPattern.h"

#include <gtest/gtest.h>
#include <json/reader.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace morvix::sim::test {

TEST(UrlPatternTest, WildcardsMatchTheWholeUrl)
{
    const auto any = UrlPattern::compile("*", UrlPattern::Wildcard, false);
    EXPECT_TRUE(any->matches(""));
    EXPECT_TRUE(any->matches("http://a/b"));
    const auto html = UrlPattern::compile("http://www.example.com/*.html", UrlPattern::Wildcard, false);
    EXPECT_TRUE(html->matches("http://www.example.com/a/b.html"));
    EXPECT_FALSE(html->matches("http://www.example.com/a/b.html?x=1"));
    EXPECT_FALSE(html->matches("https://www.example.com/a.html"));
    EXPECT_TRUE(UrlPattern::compile("*ab", UrlPattern::Wildcard, false)->matches("aab")) << "needs a backtrack";
    EXPECT_TRUE(UrlPattern::compile("a?c", UrlPattern::Wildcard, false)->matches("abc"));
    EXPECT_FALSE(UrlPattern::compile("a?c", UrlPattern::Wildcard, false)->matches("ac"));
    EXPECT_TRUE(UrlPattern::compile("HTTP://A/*", UrlPattern::Wildcard, true)->matches("http://a/x"));
    EXPECT_FALSE(UrlPattern::compile("HTTP://A/*", UrlPattern::Wildcard, false)->matches("http://a/x"));
    EXPECT_TRUE(UrlPattern::compile("*a", UrlPattern::Wildcard, false)->matches("*ba")) << "a star in the URL is text";
    EXPECT_TRUE(UrlPattern::compile("a*", UrlPattern::Wildcard, false)->matches("a*"));
    EXPECT_FALSE(UrlPattern::compile("a?", UrlPattern::Wildcard, false)->matches("a*b"));
}

TEST(UrlPatternTest, ExactAndRegularExpressions)
{
    EXPECT_TRUE(UrlPattern::compile("http://A/x", UrlPattern::Exact, true)->matches("http://a/X"));
    EXPECT_FALSE(UrlPattern::compile("http://a/x", UrlPattern::Exact, false)->matches("http://a/x/"));
    EXPECT_FALSE(UrlPattern::compile("http://a/*", UrlPattern::Exact, false)->matches("http://a/b"));
    const auto jpg = UrlPattern::compile("\\.JPG$", UrlPattern::Regex, true);
    ASSERT_TRUE(jpg);
    EXPECT_TRUE(jpg->matches("http://img/a.jpg")) << "found anywhere, case ignored";
    EXPECT_FALSE(jpg->matches("http://img/a.jpg?x"));
    EXPECT_FALSE(UrlPattern::compile("a(b", UrlPattern::Regex, false));
    EXPECT_FALSE(UrlPattern::compile("a" + std::string(UrlPattern::kMaxRegexBytes, '*'), UrlPattern::Regex, false))
        << "over-long patterns are refused";
    // Deep nesting, a twenty-digit back-reference and huge repeats crash or overflow a backtracking
    // library; here each is refused or compiles to what it denotes.
    for (const std::string& hostile : {std::string(2000, '(') + "a" + std::string(2000, ')'),
                                       std::string("\\11111111111111111111"), std::string("a{99999999999999999999}"),
                                       std::string("(a{1000}){1000}")}) {
        if (const auto regex = UrlPattern::compile(hostile, UrlPattern::Regex, false)) {
            EXPECT_FALSE(regex->matches("x")) << hostile.substr(0, 30);
        }
    }
}

TEST(UrlPatternTest, RegularExpressionsRunInLinearTime)
{
    // Patterns that take a backtracking matcher seconds to minutes on a short URL; a hang here
    // shows as the test's time-out.
    for (const char* pattern : {"a*++++++b", "a*++++++++b", "(a+)+$", "(a|aa)*c"}) {
        const auto regex = UrlPattern::compile(pattern, UrlPattern::Regex, false);
        if (!regex)
            continue;
        EXPECT_FALSE(regex->matches("")) << pattern;
        EXPECT_FALSE(regex->matches(std::string(5000, 'a') + "!")) << pattern;
    }
}

TEST(FormFieldsTest, DecodingFollowsFormRules)
{
    const FormFields fields = FormFields::parse("a=1&b=x+y%26z&a=2&flag&&c=%E4%B8%AD");
    EXPECT_EQ(fields.text("a"), "2") << "the last value wins";
    EXPECT_EQ(fields.text("b"), "x y&z");
    EXPECT_EQ(fields.text("flag"), "");
    EXPECT_EQ(fields.text("c", 1, true), "\xE4\xB8\xAD") << "limits count characters, not bytes";
    EXPECT_EQ(FormFields::parse("n=%FF").text("n"), "\xEF\xBF\xBD") << "bytes that are not UTF-8 become U+FFFD";
    for (const char* malformed : {"a=%", "a=%4", "a=%G0", "%ZZ=1"}) {
        try {
            FormFields::parse(malformed);
            ADD_FAILURE() << malformed;
        } catch (const AdminError& error) {
            EXPECT_EQ(error.number(), BadField);
        }
    }
}

TEST(FormFieldsTest, NumbersAreStrictDecimals)
{
    long long value = 0;
    EXPECT_TRUE(parseDecimal("-12", value));
    EXPECT_EQ(value, -12);
    for (const char* text : {"", " 1", "1 ", "1.0", "0x10", "+", "1234567890123456789"})
        EXPECT_FALSE(parseDecimal(text, value)) << text;
    const FormFields fields = FormFields::parse("n=300&f=2");
    EXPECT_EQ(fields.number("n", 0, 300), 300);
    EXPECT_THROW(fields.number("n", 0, 299), AdminError);
    EXPECT_THROW(fields.flag("f"), AdminError);
    EXPECT_THROW(fields.number("missing"), AdminError);
}

TEST(JsonTextTest, EveryStringComesOutAsValidJson)
{
    const std::string awkward = std::string("q\"b\\n\r\t\x01 \xE4\xB8\xAD \xC3") + '\0' + "end";
    std::string out = "[";
    JsonText::appendString(out, awkward);
    out += "]";
    Json::CharReaderBuilder builder;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value value;
    std::string errors;
    ASSERT_TRUE(reader->parse(out.data(), out.data() + out.size(), &value, &errors)) << out;
    EXPECT_EQ(value[0].asString(), std::string("q\"b\\n\r\t\x01 \xE4\xB8\xAD \xEF\xBF\xBD") + '\0' + "end");
}

TEST(PercentCodecTest, NotesAreEncodedAsTheConsoleEncodesThem)
{
    EXPECT_EQ(percentEncode("a b&c/\xE4\xB8\xAD"), "a%20b%26c%2F%E4%B8%AD");
    EXPECT_EQ(percentEncode("-_.!~*'()"), "-_.!~*'()");
    EXPECT_EQ(*formDecode(percentEncode("x+y %")), "x+y %");
}

TEST(StateFileTest, WritesWholeFilesAndReadsThemBack)
{
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("morvix-sim-state-" + std::to_string(getpid()) + ".json");
    StateFile file(path.string());
    EXPECT_FALSE(file.read());
    Json::Value document;
    document["morvix-sim-state"] = 1;
    document["text"] = "\xE4\xB8\xAD";
    file.write(document);
    EXPECT_FALSE(std::filesystem::exists(path.string() + ".tmp"));
    EXPECT_EQ(*file.read(), document);
    std::ofstream(path) << R"({"something": "else"})";
    EXPECT_THROW(file.read(), StateFormatError) << "a JSON file that is not ours is not taken";
    std::filesystem::remove(path);
}

TEST(SimOptionsTest, CommandLine)
{
    const SimOptions options =
        SimOptions::parse({"--listen", "127.0.0.1:0", "--stream-rate", "0", "--seed", "9", "--admin-password", "p w"});
    EXPECT_EQ(options.host, "127.0.0.1");
    EXPECT_EQ(options.port, 0);
    EXPECT_EQ(options.streamRate, 0.0);
    EXPECT_EQ(*options.seed, 9u);
    EXPECT_EQ(options.adminPassword, "p w");
    EXPECT_TRUE(options.adminPasswordGiven);
    EXPECT_FALSE(options.keeperPasswordGiven);
    EXPECT_THROW(SimOptions::parse({"--listen", "127.0.0.1"}), std::invalid_argument);
    EXPECT_THROW(SimOptions::parse({"--listen", "127.0.0.1:70000"}), std::invalid_argument);
    EXPECT_THROW(SimOptions::parse({"--session-timeout"}), std::invalid_argument);
    EXPECT_THROW(SimOptions::parse({"--verbose"}), std::invalid_argument);
}

}  // namespace morvix::sim::test
