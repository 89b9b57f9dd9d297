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
        ExpectStableRoundTrip(
            *text, [blocks](std::string_view t) { return ReadRulesFile(t, blocks); },
            [blocks](const RuleSet& rules) { return RulesFileText(rules, blocks); });
        break;
    }
    case 1: {
        // A line is read up to its limit; an entry whose written line is longer (a single address
        // written as a range doubles) is cut again on a second reading, as the format says.
        const auto read = [](std::string_view t) { return ReadBlackListFile(t).entries; };
        const std::string once = BlackListFileText(read(*text));
        std::size_t longest = 0;
        for (std::size_t start = 0, end; (end = once.find("\r\n", start)) != std::string::npos; start = end + 2)
            longest = std::max(longest, Utf8Text::CountCharacters(once.substr(start, end - start)));
        if (longest <= kBlackListLineLimit)
            ExpectStableRoundTrip(*text, read, BlackListFileText);
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
        const std::string once = FormatDnsRedirectLines(ParseDnsRedirectLines(*text));
        if (names(once) != names(FormatDnsRedirectLines(ParseDnsRedirectLines(once))))
            std::abort();
        break;
    }
    }
    return 0;
}
