#include "features/cache/RulesFile.h"

#include "shell/IniText.h"
#include "shell/LeadingDecimal.h"
#include "shell/Utf8Text.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cctype>
#include <cstring>
#include <map>
#include <vector>

namespace {

// Numbers are read as if into a buffer of ten characters; texts are read whole.
constexpr std::size_t kNumberBuffer = 10;

// One numbered key of a block: how it is written (the blanks before "=" stand as the file's layout
// has them, whatever the width of the number) and how it is read back.
template <class Rule>
struct Field {
    std::string_view key;
    std::string_view padding;
    std::string Rule::*text = nullptr;
    std::int32_t Rule::*number = nullptr;
    int fallback = 0;       // a missing number
    bool required = false;  // a rule without this text is left out
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
Field<Rule> Text(std::string_view key, std::string_view padding, std::string Rule::*member, bool required = false)
{
    return {key, padding, member, nullptr, 0, required};
}

template <class Rule>
Field<Rule> Number(std::string_view key, std::string_view padding, std::int32_t Rule::*member, int fallback)
{
    return {key, padding, nullptr, member, fallback};
}

template <class Rule>
Field<Rule> Note(std::string_view padding)
{
    return {"Note", padding, &Rule::Note, nullptr, 0, false};
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
                                 Number<R>("IsDiskCache", " ", &R::IsDiskCache, 0), Note<R>("        ")},
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
                                 Number<R>("CacheLocation", " ", &R::CacheLocation, 0), Note<R>("          ")},
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
                                 Text<R>("SetCookieSessionID", " ", &R::SetCookieSessionID, true),
                                 Number<R>("SessionExpire", "      ", &R::SessionExpire, 0),
                                 Note<R>("               ")},
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
                                 Note<R>("           ")},
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

// The reader takes the blanks around a value away, and then one pair of double quotes around
// it, as other consoles' readers do: a value that begins or ends with either is written inside one
// pair more, and so reads back as it was, here and there.
bool NeedsQuotes(std::string_view value)
{
    const auto guarded = [](char c) { return c == '"' || c == ' ' || c == '\t'; };
    return !value.empty() && (guarded(value.front()) || guarded(value.back()));
}

template <class Rule>
bool NeedsRewriting(const Block<Rule>& block, const Rule& rule)
{
    return std::any_of(block.fields.begin(), block.fields.end(), [&rule](const Field<Rule>& field) {
        return field.text && (ExchangeFileText::HasLineBreak(rule.*field.text) || NeedsQuotes(rule.*field.text));
    });
}

// Values that need flattening or quotes are rare: only then are the rules copied to be rewritten.
template <class Rule>
ExchangeFileText::Written BlockText(const Block<Rule>& block, const std::vector<Rule>& rules)
{
    const auto first = std::find_if(rules.begin(), rules.end(),
                                    [&block](const Rule& rule) { return NeedsRewriting(block, rule); });
    if (first == rules.end())
        return {LaidOut(block, rules)};
    std::vector<Rule> rewritten(rules);
    std::size_t flattened = 0;
    for (auto rule = rewritten.begin() + (first - rules.begin()); rule != rewritten.end(); ++rule)
        for (const Field<Rule>& field : block.fields) {
            if (!field.text)
                continue;
            std::string& value = (*rule).*field.text;
            flattened += ExchangeFileText::Flatten(value) ? 1 : 0;
            if (NeedsQuotes(value))
                value = '"' + value + '"';
        }
    return {LaidOut(block, rewritten), flattened};
}

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool SameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// Where each rule's keys begin in the file, so that a rule that cannot be read is named by its
// line. Only the chosen blocks' numbered keys are noted, at most the rules a block reads.
class RuleLines {
public:
    RuleLines(std::string_view text, const std::vector<std::string_view>& sections)
        : sections_(sections), lines_(sections.size())
    {
        std::size_t current = sections.size();
        ExchangeFileText::ForEachLine(text, [&](std::string_view line, std::size_t number) {
            line = Trimmed(line);
            if (line.starts_with('[')) {
                const std::string_view name = Trimmed(line.substr(1, line.find(']') - 1));
                current = std::find_if(sections_.begin(), sections_.end(),
                                       [name](std::string_view section) { return SameName(section, name); }) -
                          sections_.begin();
                return;
            }
            if (current == sections_.size())
                return;
            const std::string_view key = Trimmed(line.substr(0, line.find('=')));
            const std::size_t underscore = key.rfind('_');
            int rule = 0;
            if (underscore == std::string_view::npos ||
                std::from_chars(key.data() + underscore + 1, key.data() + key.size(), rule).ec != std::errc() ||
                rule < 1 || rule > kMostRulesPerBlock)
                return;
            lines_[current].try_emplace(rule, number);
        });
    }

    // The line of the rule's first key; 0 when none of its keys is in the file.
    std::size_t Of(std::string_view section, int rule) const
    {
        const std::size_t index = std::find(sections_.begin(), sections_.end(), section) - sections_.begin();
        if (index == sections_.size())
            return 0;
        const auto found = lines_[index].find(rule);
        return found == lines_[index].end() ? 0 : found->second;
    }

private:
    std::vector<std::string_view> sections_;
    std::vector<std::map<int, std::size_t>> lines_;
};

template <class Rule>
std::vector<Rule> ReadBlock(const IniText& ini, const Block<Rule>& block, const RuleLines& lines,
                            ExchangeFileText::ReadNotes& notes)
{
    const auto number = [&ini, &block](const std::string& key, int fallback) {
        const std::optional<std::string> value = ini.Value(block.section, key);
        return value ? LeadingDecimalInt(Utf8Text::CutToCharacters(*value, kNumberBuffer - 1)) : fallback;
    };
    const std::string countKey(block.countKey.substr(0, block.countKey.find_first_of(" =")));
    const int written = std::max(number(countKey, 0), 0);
    const int count = std::min(written, kMostRulesPerBlock);
    notes.beyondLimit += static_cast<std::size_t>(written - count);
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
            std::string text = ini.Value(block.section, key).value_or("");
            complete = complete && !(field.required && text.empty());
            rule.*field.text = std::move(text);
        }
        if (complete)
            rules.push_back(std::move(rule));
        else if (const std::size_t line = lines.Of(block.section, n); line != 0)
            notes.unreadable.Add(line);
        else
            ++notes.unreadable.count;  // a rule the count promised and the file does not hold
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

RuleSet ReadRulesFile(std::string_view text, unsigned blocks, ExchangeFileText::ReadNotes* notes)
{
    ExchangeFileText::ReadNotes taken;
    // The INI reader stops at a NUL: each is read as a blank, and the line is noted.
    std::string withoutNul;
    if (text.find('\0') != std::string_view::npos) {
        ExchangeFileText::ForEachLine(text, [&taken](std::string_view line, std::size_t number) {
            if (line.find('\0') != std::string_view::npos)
                taken.changed.Add(number);
        });
        withoutNul.assign(text);
        std::replace(withoutNul.begin(), withoutNul.end(), '\0', ' ');
        text = withoutNul;
    }
    const IniText ini(text);
    const RuleLines lines(text, {FCacheBlock().section, RCacheBlock().section, SCacheBlock().section,
                                 RewriteBlock().section});
    RuleSet rules;
    if (blocks & eRulesBlock_FCache)
        rules.fcache = ReadBlock(ini, FCacheBlock(), lines, taken);
    if (blocks & eRulesBlock_RCache)
        rules.rcache = ReadBlock(ini, RCacheBlock(), lines, taken);
    if (blocks & eRulesBlock_SCache)
        rules.scache = ReadBlock(ini, SCacheBlock(), lines, taken);
    if (blocks & eRulesBlock_Rewrite)
        rules.rewrite = ReadBlock(ini, RewriteBlock(), lines, taken);
    if (notes)
        *notes = std::move(taken);
    return rules;
}
