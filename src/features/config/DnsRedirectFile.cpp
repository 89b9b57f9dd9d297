#include "features/config/DnsRedirectFile.h"

#include "shell/ExchangeFileText.h"
#include "shell/Utf8Text.h"

#include <optional>

namespace {

constexpr std::string_view kRedirect = "address=/";
constexpr std::string_view kRefuse = "refuse=/";
constexpr std::size_t kRuleColumns = 60;
constexpr std::size_t kLineCharacters = 2049;

std::string Cut(std::string_view text, std::size_t characters)
{
    return std::string(Utf8Text::CutToCharacters(text, characters));
}

std::string_view TrimEnd(std::string_view text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::string_view DropOneSlash(std::string_view text)
{
    if (!text.empty() && text.back() == '/')
        text.remove_suffix(1);
    return text;
}

std::optional<DnsRedirectEntry> ParseLine(std::string_view line)
{
    DnsRedirectEntry entry;
    // The rule's own prefix is the one that comes first: a refuse rule whose note mentions
    // "address=/" stays a refuse rule.
    std::size_t prefix = line.find(kRedirect);
    std::size_t prefixLength = kRedirect.size();
    const std::size_t refuse = line.find(kRefuse);
    if (refuse < prefix) {
        prefix = refuse;
        prefixLength = kRefuse.size();
        entry.Enable = 0;
    }
    if (prefix == std::string_view::npos)
        return std::nullopt;
    std::string_view rest = line.substr(prefix + prefixLength);
    const std::size_t slash = rest.find('/');
    entry.Name = Cut(rest.substr(0, slash), DnsRedirectEntry::kNameLimit);
    if (entry.Name.empty())
        return std::nullopt;
    rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
    const std::size_t hash = rest.find('#');
    if (hash == std::string_view::npos) {
        entry.IP = Cut(DropOneSlash(TrimEnd(rest)), DnsRedirectEntry::kIpLimit);
        return entry;
    }
    entry.Note = Cut(rest.substr(hash + 1), DnsRedirectEntry::kNoteLimit);
    // The address ends at the padding or, for a rule as wide as the padding, at the "#" itself.
    const std::size_t end = rest.find_first_of(" \t#");
    entry.IP = Cut(DropOneSlash(rest.substr(0, end)), DnsRedirectEntry::kIpLimit);
    return entry;
}

}  // namespace

bool DnsNameFitsLine(std::string_view name)
{
    return name.find_first_of("/# \t\r\n\v\f") == std::string_view::npos;
}

ExchangeFileText::Written FormatDnsRedirectLines(const std::vector<DnsRedirectEntry>& entries)
{
    ExchangeFileText::Written file;
    for (const DnsRedirectEntry& entry : entries) {
        if (entry.IsSystem)
            continue;
        if (!DnsNameFitsLine(entry.Name)) {
            ++file.leftOutEntries;
            continue;
        }
        std::string ip = entry.IP;
        std::string note = entry.Note;
        for (std::string* value : {&ip, &note})
            file.flattenedValues += ExchangeFileText::Flatten(*value) ? 1 : 0;
        std::string rule = std::string(entry.Enable == 1 ? "address=/" : "refuse=/") + entry.Name + "/" + ip;
        if (!note.empty()) {
            const std::size_t width = Utf8Text::CountCharacters(rule);
            if (width < kRuleColumns)
                rule.append(kRuleColumns - width, ' ');
            rule += "#" + note;
        }
        ExchangeFileText::AppendLine(file.text, rule);
    }
    return file;
}

std::vector<DnsRedirectEntry> ParseDnsRedirectLines(std::string_view text)
{
    std::vector<DnsRedirectEntry> entries;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        text = newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (auto entry = ParseLine(Utf8Text::CutToCharacters(line, kLineCharacters)))
            entries.push_back(std::move(*entry));
    }
    return entries;
}

std::string DnsRedirectFileName(std::string_view date)
{
    return "Morvix-DNS-" + std::string(date) + ".txt";
}

std::optional<ExchangeFileText::Written> WriteDnsRedirectFile(const std::filesystem::path& file,
                                                              const std::vector<DnsRedirectEntry>& entries,
                                                              std::string* error)
{
    ExchangeFileText::Written written = FormatDnsRedirectLines(entries);
    if (!ExchangeFileText::Write(file, written.text, error))
        return std::nullopt;
    return written;
}

std::optional<std::vector<DnsRedirectEntry>> ReadDnsRedirectFile(const std::filesystem::path& file,
                                                                 std::string* error)
{
    const std::optional<std::string> text = ExchangeFileText::Read(file, error);
    if (!text)
        return std::nullopt;
    return ParseDnsRedirectLines(*text);
}
