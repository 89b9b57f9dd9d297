#include "features/config/DnsRedirectFile.h"

#include "shell/ExchangeFileText.h"
#include "shell/Utf8Text.h"

#include <algorithm>
#include <optional>

namespace {

constexpr std::string_view kRedirect = "address=/";
constexpr std::string_view kRefuse = "refuse=/";
constexpr std::size_t kRuleColumns = 60;

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
    entry.Name = rest.substr(0, slash);
    if (entry.Name.empty())
        return std::nullopt;
    rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
    const std::size_t hash = rest.find('#');
    if (hash == std::string_view::npos) {
        entry.IP = DropOneSlash(TrimEnd(rest));
        return entry;
    }
    entry.Note = rest.substr(hash + 1);
    // The address ends at the padding or, for a rule as wide as the padding, at the "#" itself.
    const std::size_t end = rest.find_first_of(" \t#");
    entry.IP = DropOneSlash(rest.substr(0, end));
    return entry;
}

}  // namespace

bool DnsNameFitsLine(std::string_view name)
{
    return name.find_first_of(std::string_view("/# \t\r\n\v\f\0", 11)) == std::string_view::npos;
}

bool DnsAddressFitsLine(std::string_view ip)
{
    return ip.find_first_of(std::string_view("# \t\r\n\v\f\0", 10)) == std::string_view::npos && !ip.ends_with('/');
}

ExchangeFileText::Written FormatDnsRedirectLines(const std::vector<DnsRedirectEntry>& entries)
{
    ExchangeFileText::Written file;
    for (const DnsRedirectEntry& entry : entries) {
        if (entry.IsSystem)
            continue;
        if (!DnsNameFitsLine(entry.Name) || !DnsAddressFitsLine(entry.IP)) {
            ++file.leftOutEntries;
            continue;
        }
        std::string note = entry.Note;
        file.flattenedValues += ExchangeFileText::Flatten(note) ? 1 : 0;
        std::string rule = std::string(entry.Enable == 1 ? "address=/" : "refuse=/") + entry.Name + "/" + entry.IP;
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

std::vector<DnsRedirectEntry> ReadDnsRedirectLines(std::string_view text, ExchangeFileText::ReadNotes& notes)
{
    std::vector<DnsRedirectEntry> entries;
    // Sized once: growing by doubling would hold twice the entries at its peak.
    entries.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    ExchangeFileText::ForEachLine(text, [&](std::string_view line, std::size_t number) {
        std::optional<DnsRedirectEntry> entry = ParseLine(line);
        // Blank lines and comments are no rules; any other line without one is the operator's to see.
        if (!entry) {
            if (!TrimEnd(line).empty() && !line.starts_with('#'))
                notes.unreadable.Add(number);
            return;
        }
        if (ExchangeFileText::Flatten(entry->Note) | ExchangeFileText::Flatten(entry->IP))
            notes.changed.Add(number);
        entries.push_back(std::move(*entry));
    });
    return entries;
}

std::vector<DnsRedirectEntry> ParseDnsRedirectLines(std::string_view text)
{
    ExchangeFileText::ReadNotes ignored;
    return ReadDnsRedirectLines(text, ignored);
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
                                                                 std::string* error, ExchangeFileText::ReadNotes* notes)
{
    const std::optional<std::string> text = ExchangeFileText::Read(file, error);
    if (!text)
        return std::nullopt;
    ExchangeFileText::ReadNotes taken;
    std::vector<DnsRedirectEntry> entries = ReadDnsRedirectLines(*text, taken);
    if (notes)
        *notes = std::move(taken);
    return entries;
}
