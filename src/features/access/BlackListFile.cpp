#include "features/access/BlackListFile.h"

#include "shell/ExchangeFileText.h"
#include "shell/Utf8Text.h"

std::string BlackListFileText(const std::vector<AddressListEntry>& entries)
{
    std::string text;
    for (const AddressListEntry& entry : entries)
        ExchangeFileText::AppendLine(text, entry.Low + "-" + entry.High + "/" + entry.Expire + "/" + entry.Note);
    return text;
}

BlackListFileRead ReadBlackListFile(std::string_view text)
{
    BlackListFileRead read;
    for (std::size_t end; (end = text.find(ExchangeFileText::kLineEnd)) != std::string_view::npos;
         text.remove_prefix(end + ExchangeFileText::kLineEnd.size())) {
        const std::string_view line = Utf8Text::CutToCharacters(text.substr(0, end), kBlackListLineLimit);
        const std::size_t first = line.find('/');
        if (first == 0 || first == std::string_view::npos)
            continue;
        const std::size_t second = line.find('/', first + 1);
        if (second == std::string_view::npos)
            continue;
        const std::string_view range = line.substr(0, first);
        AddressListEntry entry;
        if (const std::size_t dash = range.find('-'); dash != std::string_view::npos) {
            entry.Low = range.substr(0, dash);
            entry.High = range.substr(dash + 1);
        } else {
            entry.Low = entry.High = range;
            read.singleAddressRanges.emplace_back(range);
        }
        entry.Expire = line.substr(first + 1, second - first - 1);
        entry.Note = line.substr(second + 1);
        read.entries.push_back(std::move(entry));
    }
    return read;
}
