#include "features/cache/RulesFile.h"

#include "shell/IniText.h"
#include "shell/LeadingDecimal.h"
#include "shell/Utf8Text.h"

#include <algorithm>
#include <charconv>

namespace {

// Numbers are read as if into a buffer of ten characters; texts into buffers of these sizes.
constexpr std::size_t kNumberBuffer = 10;
constexpr std::size_t kTextBuffer = 1024;
constexpr std::size_t kCookieNameBuffer = 128;

void AppendNumber(std::string& out, long long value)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

// One "Key_n<blanks>=value" line: the blanks stand as the file's layout has them, whatever the
// width of n.
class BlockWriter {
public:
    explicit BlockWriter(std::string& out) : out_(out) {}

    void Text(std::string_view key, int n, std::string_view padding, std::string_view value)
    {
        Start(key, n, padding);
        out_.append(value);
        out_.append("\r\n");
    }

    void Number(std::string_view key, int n, std::string_view padding, long long value)
    {
        Start(key, n, padding);
        AppendNumber(out_, value);
        out_.append("\r\n");
    }

    void Header(std::string_view header, std::string_view countKey, std::size_t count)
    {
        out_.append(header);
        out_.append(countKey);
        AppendNumber(out_, static_cast<long long>(count));
        out_.append("\r\n\r\n");
    }

    void EndRule() { out_.append("\r\n"); }

private:
    void Start(std::string_view key, int n, std::string_view padding)
    {
        out_.append(key);
        out_.push_back('_');
        AppendNumber(out_, n);
        out_.append(padding);
        out_.push_back('=');
    }

    std::string& out_;
};

class BlockReader {
public:
    BlockReader(const IniText& ini, std::string_view section) : ini_(ini), section_(section) {}

    int Count(std::string_view key) const
    {
        return std::clamp(Number(key, 0), 0, kMostRulesPerBlock);
    }

    std::string Text(std::string_view key, int n, std::size_t buffer = kTextBuffer) const
    {
        return ini_.ReadString(section_, Key(key, n), "", buffer);
    }

    int Number(std::string_view key, int n, int fallback) const { return Number(Key(key, n), fallback); }

    std::string Note(int n, std::size_t limit) const
    {
        return std::string(Utf8Text::CutToCharacters(Text("Note", n), limit));
    }

private:
    static std::string Key(std::string_view key, int n)
    {
        std::string name(key);
        name.push_back('_');
        AppendNumber(name, n);
        return name;
    }

    int Number(std::string_view key, int fallback) const
    {
        const std::optional<std::string> value = ini_.Value(section_, key);
        if (!value)
            return fallback;
        return LeadingDecimalInt(Utf8Text::CutToCharacters(*value, kNumberBuffer - 1));
    }

    const IniText& ini_;
    std::string_view section_;
};

}  // namespace

std::string FCacheBlockText(const std::vector<FCacheRule>& rules)
{
    std::string out;
    out.reserve(rules.size() * 200 + 64);
    BlockWriter block(out);
    block.Header("\r\n#页面缓存规则\r\n[FCache]\r\n", "FCacheCount   =", rules.size());
    int n = 0;
    for (const FCacheRule& rule : rules) {
        ++n;
        block.Text("Url", n, "         ", rule.Url);
        block.Number("Icase", n, "       ", rule.Icase);
        block.Number("Rules", n, "       ", rule.Rules);
        block.Number("Expire", n, "      ", rule.Expire);
        block.Number("Unit", n, "        ", rule.Unit);
        block.Number("Icookie", n, "     ", rule.Icookie);
        block.Number("Olimit", n, "      ", rule.Olimit);
        block.Number("IsDiskCache", n, " ", rule.IsDiskCache);
        block.Text("Note", n, "        ", rule.Note);
        block.EndRule();
    }
    return out;
}

std::string RCacheBlockText(const std::vector<RCacheRule>& rules)
{
    std::string out;
    out.reserve(rules.size() * 160 + 64);
    BlockWriter block(out);
    block.Header("\r\n#拒绝缓存规则\r\n[RCache]\r\n", "RCacheCount     =", rules.size());
    int n = 0;
    for (const RCacheRule& rule : rules) {
        ++n;
        block.Text("Url", n, "           ", rule.Url);
        block.Number("Icase", n, "         ", rule.Icase);
        block.Number("Rules", n, "         ", rule.Rules);
        block.Number("Olimit", n, "        ", rule.Olimit);
        block.Number("CacheLocation", n, " ", rule.CacheLocation);
        block.Text("Note", n, "          ", rule.Note);
        block.EndRule();
    }
    block.EndRule();
    return out;
}

std::string SCacheBlockText(const std::vector<SCacheRule>& rules)
{
    std::string out;
    out.reserve(rules.size() * 200 + 64);
    BlockWriter block(out);
    block.Header("\r\n#会话缓存规则\r\n[SCache]\r\n", "SCacheCount          =", rules.size());
    int n = 0;
    for (const SCacheRule& rule : rules) {
        ++n;
        block.Text("ActionUrl", n, "          ", rule.ActionUrl);
        block.Number("Icase", n, "              ", rule.Icase);
        block.Number("Rules", n, "              ", rule.Rules);
        block.Text("SetCookieSessionID", n, " ", rule.SetCookieSessionID);
        block.Number("SessionExpire", n, "      ", rule.SessionExpire);
        block.Text("Note", n, "               ", rule.Note);
        block.EndRule();
    }
    block.EndRule();
    return out;
}

std::string RewriteBlockText(const std::vector<RewriteRule>& rules)
{
    std::string out;
    out.reserve(rules.size() * 200 + 64);
    BlockWriter block(out);
    block.Header("\r\n#转向规则\r\n[Rewrite]\r\n", "RewriteCount     =", rules.size());
    int n = 0;
    for (const RewriteRule& rule : rules) {
        ++n;
        block.Text("SourceUrl", n, "      ", rule.SourceUrl);
        block.Text("DestinationUrl", n, " ", rule.DestinationUrl);
        block.Number("Icase", n, "          ", rule.Icase);
        block.Number("Flag", n, "           ", rule.Flag);
        block.Text("Note", n, "           ", rule.Note);
        block.EndRule();
    }
    return out;
}

std::string RulesFileText(const RuleSet& rules, unsigned blocks)
{
    std::string text;
    if (blocks & eRulesBlock_FCache)
        text += FCacheBlockText(rules.fcache);
    if (blocks & eRulesBlock_RCache)
        text += RCacheBlockText(rules.rcache);
    if (blocks & eRulesBlock_SCache)
        text += SCacheBlockText(rules.scache);
    if (blocks & eRulesBlock_Rewrite)
        text += RewriteBlockText(rules.rewrite);
    return text;
}

RuleSet ReadRulesFile(std::string_view text, unsigned blocks)
{
    const IniText ini(text);
    RuleSet rules;
    if (blocks & eRulesBlock_FCache) {
        const BlockReader block(ini, "FCache");
        for (int n = 1, count = block.Count("FCacheCount"); n <= count; ++n) {
            FCacheRule rule;
            rule.Url = block.Text("Url", n);
            if (rule.Url.empty())
                continue;
            rule.Icase = block.Number("Icase", n, 1);
            rule.Rules = block.Number("Rules", n, 0);
            rule.Expire = block.Number("Expire", n, 30);
            rule.Unit = block.Number("Unit", n, 2);
            rule.Icookie = block.Number("Icookie", n, 1);
            rule.Olimit = block.Number("Olimit", n, 0);
            rule.IsDiskCache = block.Number("IsDiskCache", n, 0);
            rule.Note = block.Note(n, FCacheRule::kNoteLimit);
            rules.fcache.push_back(std::move(rule));
        }
    }
    if (blocks & eRulesBlock_RCache) {
        const BlockReader block(ini, "RCache");
        for (int n = 1, count = block.Count("RCacheCount"); n <= count; ++n) {
            RCacheRule rule;
            rule.Url = block.Text("Url", n);
            if (rule.Url.empty())
                continue;
            rule.Icase = block.Number("Icase", n, 1);
            rule.Rules = block.Number("Rules", n, 0);
            rule.Olimit = block.Number("Olimit", n, 0);
            rule.CacheLocation = block.Number("CacheLocation", n, 0);
            rule.Note = block.Note(n, RCacheRule::kNoteLimit);
            rules.rcache.push_back(std::move(rule));
        }
    }
    if (blocks & eRulesBlock_SCache) {
        const BlockReader block(ini, "SCache");
        for (int n = 1, count = block.Count("SCacheCount"); n <= count; ++n) {
            SCacheRule rule;
            rule.ActionUrl = block.Text("ActionUrl", n);
            rule.SetCookieSessionID = block.Text("SetCookieSessionID", n, kCookieNameBuffer);
            if (rule.ActionUrl.empty() || rule.SetCookieSessionID.empty())
                continue;
            rule.Icase = block.Number("Icase", n, 1);
            rule.Rules = block.Number("Rules", n, 0);
            rule.SessionExpire = block.Number("SessionExpire", n, 0);
            rule.Note = block.Note(n, SCacheRule::kNoteLimit);
            rules.scache.push_back(std::move(rule));
        }
    }
    if (blocks & eRulesBlock_Rewrite) {
        const BlockReader block(ini, "Rewrite");
        for (int n = 1, count = block.Count("RewriteCount"); n <= count; ++n) {
            RewriteRule rule;
            rule.SourceUrl = block.Text("SourceUrl", n);
            if (rule.SourceUrl.empty())
                continue;
            rule.DestinationUrl = block.Text("DestinationUrl", n);
            rule.Icase = block.Number("Icase", n, 1);
            rule.Flag = block.Number("Flag", n, 0);
            rule.Note = block.Note(n, RewriteRule::kNoteLimit);
            rules.rewrite.push_back(std::move(rule));
        }
    }
    return rules;
}
