// The files operators exchange (rules, black list, DNS redirect list), read from any bytes. What
// is read and written again must read back the same: a value that broke the file's layout would
// carry a different list to the next server.
#include "FuzzInput.h"

#include "features/access/BlackListFile.h"
#include "features/cache/RulesFile.h"
#include "features/config/DnsRedirectFile.h"
#include "shell/ExchangeFileText.h"

#include <algorithm>
#include <cstdlib>

namespace {

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
        // Every rule written is read back as one rule, none more.
        if (ReadRulesFile(once, blocks).Size() != first.Size())
            std::abort();
        ExpectStableRoundTrip(
            *text, [blocks](std::string_view t) { return ReadRulesFile(t, blocks); },
            [blocks](const RuleSet& rules) { return RulesFileText(rules, blocks).text; });
        break;
    }
    case 1: {
        const auto read = [](std::string_view t) { return ReadBlackListFile(std::string(t)).entries.All(); };
        const auto write = [](const std::vector<AddressListEntry>& entries) { return BlackListFileText(entries).text; };
        // A value's line break written as such would add an entry.
        if (read(write(read(*text))).size() != read(*text).size())
            std::abort();
        ExpectStableRoundTrip(*text, read, write);
        break;
    }
    default: {
        // An address the format would trim is left out, so the names and kinds of the rest must
        // survive a second reading.
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
