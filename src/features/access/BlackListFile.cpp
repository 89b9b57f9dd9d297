#include "features/access/BlackListFile.h"

#include "shell/ExchangeFileText.h"
#include "shell/Utf8Text.h"

bool BlackListEntryFitsLine(const AddressListEntry& entry)
{
    return entry.Low.find_first_of("-/") == std::string::npos && entry.High.find('/') == std::string::npos &&
           entry.Expire.find('/') == std::string::npos;
}

ExchangeFileText::Written BlackListFileText(const std::vector<AddressListEntry>& entries)
{
    ExchangeFileText::Written file;
    for (const AddressListEntry& entry : entries) {
        if (!BlackListEntryFitsLine(entry)) {
            ++file.leftOutEntries;
            continue;
        }
        std::string line = entry.Low + "-" + entry.High + "/" + entry.Expire + "/" + entry.Note;
        if (ExchangeFileText::HasLineBreak(line)) {
            for (const std::string* value : {&entry.Low, &entry.High, &entry.Expire, &entry.Note})
                file.flattenedValues += ExchangeFileText::HasLineBreak(*value) ? 1 : 0;
            line = ExchangeFileText::OneLine(line);
        }
        ExchangeFileText::AppendLine(file.text, line);
    }
    return file;
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
