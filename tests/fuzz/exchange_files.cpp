// The files operators exchange (rules, black list, DNS redirect list), read from any bytes. What
// is read and written again must read back the same: a value that broke the file's layout would
// carry a different list to the next server.
#include "FuzzInput.h"

#include "features/access/BlackListFile.h"
#include "features/cache/RulesFile.h"
#include "features/config/DnsRedirectFile.h"
#include "shell/ExchangeFileText.h"
#include "shell/Utf8Text.h"

#include <algorithm>
#include <cstdlib>

namespace {

// A rules-file value in outer double quotes loses them when read, as the private-profile rules say:
// such a text reads back shorter each time, by the format's own design.
bool HasQuotedValue(std::string_view text)
{
    for (std::size_t start = 0, end; start < text.size(); start = end + 1) {
        end = std::min(text.find_first_of("\r\n", start), text.size());
        const std::string_view line = text.substr(start, end - start);
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            continue;
        std::string_view value = line.substr(equals + 1);
        value.remove_prefix(std::min(value.find_first_not_of(" \t"), value.size()));
        value.remove_suffix(value.size() - std::min(value.find_last_not_of(" \t") + 1, value.size()));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            return true;
    }
    return false;
}

template <class Read, class Write>
void ExpectStableRoundTrip(std::string_view text, Read read, Write write)
{
    const std::string once = write(read(text));
    if (write(read(once)) != once)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const morvix::fuzz::FuzzInput input(data, size);
    if (input.Empty())
        return 0;
    const std::optional<std::string> text = ExchangeFileText::Decode(input.Rest());
    if (!text)
        return 0;
    switch (input.Choice() % 3) {
    case 0: {
        const unsigned blocks = (input.Choice() >> 2) % eRulesBlock_All + 1;
        const RuleSet first = ReadRulesFile(*text, blocks);
        const std::string once = RulesFileText(first, blocks).text;
        if (HasQuotedValue(once))
            break;
        // Every rule written is read back as one rule, none more.
        if (ReadRulesFile(once, blocks).Size() != first.Size())
            std::abort();
        ExpectStableRoundTrip(
            *text, [blocks](std::string_view t) { return ReadRulesFile(t, blocks); },
            [blocks](const RuleSet& rules) { return RulesFileText(rules, blocks).text; });
        break;
    }
    case 1: {
        // A line is read up to its limit; an entry whose written line is longer (a single address
        // written as a range doubles) is cut again on a second reading, as the format says.
        const auto read = [](std::string_view t) { return ReadBlackListFile(t).entries; };
        const auto write = [](const std::vector<AddressListEntry>& entries) { return BlackListFileText(entries).text; };
        const std::string once = write(read(*text));
        std::size_t longest = 0;
        for (std::size_t start = 0, end; (end = once.find("\r\n", start)) != std::string::npos; start = end + 2)
            longest = std::max(longest, Utf8Text::CountCharacters(once.substr(start, end - start)));
        // A value's line break written as such would add an entry.
        if (longest <= kBlackListLineLimit && read(once).size() != read(*text).size())
            std::abort();
        if (longest <= kBlackListLineLimit)
            ExpectStableRoundTrip(*text, read, write);
        break;
    }
    default: {
        // The format trims an address's blanks and one trailing "/", so only the entries' names
        // and kinds must survive a second reading.
        const auto names = [](std::string_view t) {
            std::string kept;
            for (const DnsRedirectEntry& entry : ParseDnsRedirectLines(t))
                kept += std::to_string(entry.Enable) + entry.Name + '\n';
            return kept;
        };
        const ExchangeFileText::Written once = FormatDnsRedirectLines(ParseDnsRedirectLines(*text));
        if (names(once.text) != names(FormatDnsRedirectLines(ParseDnsRedirectLines(once.text)).text))
            std::abort();
        // Every entry written is read back as one entry, none more.
        if (ParseDnsRedirectLines(once.text).size() + once.leftOutEntries != ParseDnsRedirectLines(*text).size())
            std::abort();
        break;
    }
    }
    return 0;
}
