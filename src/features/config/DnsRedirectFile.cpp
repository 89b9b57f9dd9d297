#include "features/config/DnsRedirectFile.h"

#include "shell/ExchangeFileText.h"
#include "shell/Utf8Text.h"

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

// The parts of a rule's line, as views into it.
struct LineParts {
    std::string_view name, ip, note;
    int enable = 1;
};

std::optional<LineParts> ParseLine(std::string_view line)
{
    LineParts parts;
    // The rule's own prefix is the one that comes first: a refuse rule whose note mentions
    // "address=/" stays a refuse rule.
    std::size_t prefix = line.find(kRedirect);
    std::size_t prefixLength = kRedirect.size();
    const std::size_t refuse = line.find(kRefuse);
    if (refuse < prefix) {
        prefix = refuse;
        prefixLength = kRefuse.size();
        parts.enable = 0;
    }
    if (prefix == std::string_view::npos)
        return std::nullopt;
    std::string_view rest = line.substr(prefix + prefixLength);
    const std::size_t slash = rest.find('/');
    parts.name = rest.substr(0, slash);
    if (parts.name.empty())
        return std::nullopt;
    rest = slash == std::string_view::npos ? rest.substr(rest.size()) : rest.substr(slash + 1);
    const std::size_t hash = rest.find('#');
    if (hash == std::string_view::npos) {
        parts.ip = DropOneSlash(TrimEnd(rest));
        parts.note = rest.substr(rest.size());
        return parts;
    }
    parts.note = rest.substr(hash + 1);
    // The address ends at the padding or, for a rule as wide as the padding, at the "#" itself.
    const std::size_t end = rest.find_first_of(" \t#");
    parts.ip = DropOneSlash(rest.substr(0, end));
    return parts;
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

DnsRedirectEntry DnsRedirectEntryAt(std::string_view text, const std::array<std::uint32_t, 7>& at)
{
    const auto part = [text](std::uint32_t from, std::uint32_t to) {
        return std::string(text.substr(from, to - from));
    };
    DnsRedirectEntry entry;
    entry.Name = part(at[0], at[1]);
    entry.IP = part(at[2], at[3]);
    entry.Note = part(at[4], at[5]);
    entry.Enable = static_cast<std::int32_t>(at[6]);
    return entry;
}

DnsRedirectFileRead ReadDnsRedirectText(std::string text)
{
    DnsRedirectFileRead read;
    read.entries.Read(std::move(text), read.notes.changed,
                      [&read](std::string_view line, std::size_t number,
                              const auto& offset) -> std::optional<DnsRedirectFileEntries::Positions> {
                          const std::optional<LineParts> parts = ParseLine(line);
                          // Blank lines and comments are no rules; any other line without one is
                          // the operator's to see.
                          if (!parts) {
                              if (!TrimEnd(line).empty() && !line.starts_with('#'))
                                  read.notes.unreadable.Add(number);
                              return std::nullopt;
                          }
                          const auto end = [&offset](std::string_view piece) {
                              return static_cast<std::uint32_t>(offset(piece) + piece.size());
                          };
                          return DnsRedirectFileEntries::Positions{
                              offset(parts->name), end(parts->name), offset(parts->ip), end(parts->ip),
                              offset(parts->note), end(parts->note), static_cast<std::uint32_t>(parts->enable)};
                      });
    return read;
}

std::vector<DnsRedirectEntry> ParseDnsRedirectLines(std::string_view text)
{
    return ReadDnsRedirectText(std::string(text)).entries.All();
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

std::optional<DnsRedirectFileRead> ReadDnsRedirectFile(const std::filesystem::path& file, std::string* error)
{
    std::optional<std::string> text = ExchangeFileText::Read(file, error);
    if (!text)
        return std::nullopt;
    return ReadDnsRedirectText(std::move(*text));
}
