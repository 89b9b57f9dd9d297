#include "features/cache/RulesFile.h"

#include "shell/IniText.h"
#include "shell/LeadingDecimal.h"
#include "shell/Utf8Text.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// Numbers are read as if into a buffer of ten characters, texts into buffers of 1024.
constexpr std::size_t kNumberBuffer = 10;
constexpr std::size_t kTextBuffer = 1024;

// One numbered key of a block: how it is written (the blanks before "=" stand as the file's layout
// has them, whatever the width of the number) and how it is read back.
template <class Rule>
struct Field {
    std::string_view key;
    std::string_view padding;
    std::string Rule::*text = nullptr;
    std::int32_t Rule::*number = nullptr;
    int fallback = 0;                   // a missing number
    bool required = false;              // a rule without this text is left out
    std::size_t buffer = kTextBuffer;   // a text's buffer
    std::size_t limit = 0;              // a text cut to what the rule holds; 0: no cut
};

template <class Rule>
struct Block {
    std::string_view header;    // comment and section line
    std::string_view section;
    std::string_view countKey;  // with its blanks
    std::vector<Field<Rule>> fields;
    bool extraEnd;              // one more empty line after the last rule
};

template <class Rule>
Field<Rule> Text(std::string_view key, std::string_view padding, std::string Rule::*member, bool required = false,
                 std::size_t buffer = kTextBuffer)
{
    return {key, padding, member, nullptr, 0, required, buffer, 0};
}

template <class Rule>
Field<Rule> Number(std::string_view key, std::string_view padding, std::int32_t Rule::*member, int fallback)
{
    return {key, padding, nullptr, member, fallback};
}

template <class Rule>
Field<Rule> Note(std::string_view padding, std::size_t limit)
{
    return {"Note", padding, &Rule::Note, nullptr, 0, false, kTextBuffer, limit};
}

const Block<FCacheRule>& FCacheBlock()
{
    using R = FCacheRule;
    static const Block<R> block{"\r\n#页面缓存规则\r\n[FCache]\r\n",
                                "FCache",
                                "FCacheCount   =",
                                {Text<R>("Url", "         ", &R::Url, true), Number<R>("Icase", "       ", &R::Icase, 1),
                                 Number<R>("Rules", "       ", &R::Rules, 0), Number<R>("Expire", "      ", &R::Expire, 30),
                                 Number<R>("Unit", "        ", &R::Unit, 2), Number<R>("Icookie", "     ", &R::Icookie, 1),
                                 Number<R>("Olimit", "      ", &R::Olimit, 0),
                                 Number<R>("IsDiskCache", " ", &R::IsDiskCache, 0), Note<R>("        ", R::kNoteLimit)},
                                false};
    return block;
}

const Block<RCacheRule>& RCacheBlock()
{
    using R = RCacheRule;
    static const Block<R> block{"\r\n#拒绝缓存规则\r\n[RCache]\r\n",
                                "RCache",
                                "RCacheCount     =",
                                {Text<R>("Url", "           ", &R::Url, true), Number<R>("Icase", "         ", &R::Icase, 1),
                                 Number<R>("Rules", "         ", &R::Rules, 0),
                                 Number<R>("Olimit", "        ", &R::Olimit, 0),
                                 Number<R>("CacheLocation", " ", &R::CacheLocation, 0), Note<R>("          ", R::kNoteLimit)},
                                true};
    return block;
}

const Block<SCacheRule>& SCacheBlock()
{
    using R = SCacheRule;
    static const Block<R> block{"\r\n#会话缓存规则\r\n[SCache]\r\n",
                                "SCache",
                                "SCacheCount          =",
                                {Text<R>("ActionUrl", "          ", &R::ActionUrl, true),
                                 Number<R>("Icase", "              ", &R::Icase, 1),
                                 Number<R>("Rules", "              ", &R::Rules, 0),
                                 Text<R>("SetCookieSessionID", " ", &R::SetCookieSessionID, true, 128),
                                 Number<R>("SessionExpire", "      ", &R::SessionExpire, 0),
                                 Note<R>("               ", R::kNoteLimit)},
                                true};
    return block;
}

const Block<RewriteRule>& RewriteBlock()
{
    using R = RewriteRule;
    static const Block<R> block{"\r\n#转向规则\r\n[Rewrite]\r\n",
                                "Rewrite",
                                "RewriteCount     =",
                                {Text<R>("SourceUrl", "      ", &R::SourceUrl, true),
                                 Text<R>("DestinationUrl", " ", &R::DestinationUrl),
                                 Number<R>("Icase", "          ", &R::Icase, 1), Number<R>("Flag", "           ", &R::Flag, 0),
                                 Note<R>("           ", R::kNoteRecordLimit)},
                                false};
    return block;
}

// A rule's number as text, written once per rule rather than once per key.
struct RuleNumber {
    char digits[12];
    std::size_t size;

    explicit RuleNumber(int n) : size(std::to_chars(digits, digits + sizeof digits, n).ptr - digits) {}
    std::string_view View() const { return {digits, size}; }
};

std::string NumberedKey(std::string_view key, int n)
{
    std::string name(key);
    name.push_back('_');
    name.append(RuleNumber(n).View());
    return name;
}

template <class Rule>
std::string_view FieldValue(const Field<Rule>& field, const Rule& rule, RuleNumber& number)
{
    if (field.text)
        return rule.*field.text;
    number = RuleNumber(rule.*field.number);
    return number.View();
}

// Exports reach hundreds of thousands of rules: the text is measured first and then copied into
// place, so that it is built in one allocation without a check per piece.
template <class Rule>
std::string LaidOut(const Block<Rule>& block, const std::vector<Rule>& rules)
{
    constexpr std::string_view kLine = "\r\n";
    const RuleNumber count(static_cast<int>(rules.size()));
    std::size_t size = block.header.size() + block.countKey.size() + count.size + 2 * kLine.size() +
                       (block.extraEnd ? kLine.size() : 0);
    std::size_t perRuleFixed = kLine.size();
    for (const Field<Rule>& field : block.fields)
        perRuleFixed += field.key.size() + 1 + field.padding.size() + 1 + kLine.size();
    RuleNumber scratch(0);
    for (std::size_t i = 0; i < rules.size(); ++i) {
        size += perRuleFixed + RuleNumber(static_cast<int>(i + 1)).size * block.fields.size();
        for (const Field<Rule>& field : block.fields)
            size += FieldValue(field, rules[i], scratch).size();
    }

    std::string out(size, '\0');
    char* at = out.data();
    const auto put = [&at](std::string_view piece) {
        std::memcpy(at, piece.data(), piece.size());
        at += piece.size();
    };
    put(block.header);
    put(block.countKey);
    put(count.View());
    put(kLine);
    put(kLine);
    for (std::size_t i = 0; i < rules.size(); ++i) {
        const RuleNumber n(static_cast<int>(i + 1));
        for (const Field<Rule>& field : block.fields) {
            put(field.key);
            *at++ = '_';
            put(n.View());
            put(field.padding);
            *at++ = '=';
            put(FieldValue(field, rules[i], scratch));
            put(kLine);
        }
        put(kLine);
    }
    if (block.extraEnd)
        put(kLine);
    return out;
}

template <class Rule>
bool AnyLineBreak(const Block<Rule>& block, const Rule& rule)
{
    return std::any_of(block.fields.begin(), block.fields.end(), [&rule](const Field<Rule>& field) {
        return field.text && ExchangeFileText::HasLineBreak(rule.*field.text);
    });
}

// Values with line breaks are rare: only then are the rules copied to be made one line each.
template <class Rule>
ExchangeFileText::Written BlockText(const Block<Rule>& block, const std::vector<Rule>& rules)
{
    const auto broken = std::find_if(rules.begin(), rules.end(),
                                     [&block](const Rule& rule) { return AnyLineBreak(block, rule); });
    if (broken == rules.end())
        return {LaidOut(block, rules)};
    std::vector<Rule> flat(rules);
    std::size_t flattened = 0;
    for (auto rule = flat.begin() + (broken - rules.begin()); rule != flat.end(); ++rule)
        for (const Field<Rule>& field : block.fields)
            if (field.text && ExchangeFileText::Flatten((*rule).*field.text))
                ++flattened;
    return {LaidOut(block, flat), flattened};
}

template <class Rule>
std::vector<Rule> ReadBlock(const IniText& ini, const Block<Rule>& block)
{
    const auto number = [&ini, &block](const std::string& key, int fallback) {
        const std::optional<std::string> value = ini.Value(block.section, key);
        return value ? LeadingDecimalInt(Utf8Text::CutToCharacters(*value, kNumberBuffer - 1)) : fallback;
    };
    const std::string countKey(block.countKey.substr(0, block.countKey.find_first_of(" =")));
    const int count = std::clamp(number(countKey, 0), 0, kMostRulesPerBlock);
    std::vector<Rule> rules;
    for (int n = 1; n <= count; ++n) {
        Rule rule;
        bool complete = true;
        for (const Field<Rule>& field : block.fields) {
            const std::string key = NumberedKey(field.key, n);
            if (field.number) {
                rule.*field.number = number(key, field.fallback);
                continue;
            }
            std::string text = ini.ReadString(block.section, key, "", field.buffer);
            if (field.limit)
                text = std::string(Utf8Text::CutToCharacters(text, field.limit));
            complete = complete && !(field.required && text.empty());
            rule.*field.text = std::move(text);
        }
        if (complete)
            rules.push_back(std::move(rule));
    }
    return rules;
}

}  // namespace

ExchangeFileText::Written RulesFileText(const RuleSet& rules, unsigned blocks)
{
    ExchangeFileText::Written file;
    const auto add = [&file](ExchangeFileText::Written block) {
        if (file.text.empty())
            file.text.swap(block.text);
        else
            file.text.append(block.text);
        file.flattenedValues += block.flattenedValues;
    };
    if (blocks & eRulesBlock_FCache)
        add(BlockText(FCacheBlock(), rules.fcache));
    if (blocks & eRulesBlock_RCache)
        add(BlockText(RCacheBlock(), rules.rcache));
    if (blocks & eRulesBlock_SCache)
        add(BlockText(SCacheBlock(), rules.scache));
    if (blocks & eRulesBlock_Rewrite)
        add(BlockText(RewriteBlock(), rules.rewrite));
    return file;
}

RuleSet ReadRulesFile(std::string_view text, unsigned blocks)
{
    const IniText ini(text);
    RuleSet rules;
    if (blocks & eRulesBlock_FCache)
        rules.fcache = ReadBlock(ini, FCacheBlock());
    if (blocks & eRulesBlock_RCache)
        rules.rcache = ReadBlock(ini, RCacheBlock());
    if (blocks & eRulesBlock_SCache)
        rules.scache = ReadBlock(ini, SCacheBlock());
    if (blocks & eRulesBlock_Rewrite)
        rules.rewrite = ReadBlock(ini, RewriteBlock());
    return rules;
}
