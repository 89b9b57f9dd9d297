#include "features/access/BlackListFile.h"

#include "shell/ExchangeFileText.h"

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
    ExchangeFileText::ForEachLine(text, [&read](std::string_view line, std::size_t number) {
        const std::size_t first = line.find('/');
        const std::size_t second = first == std::string_view::npos ? first : line.find('/', first + 1);
        if (first == 0 || second == std::string_view::npos) {
            if (!line.empty())
                read.notes.unreadable.Add(number);
            return;
        }
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
        bool changed = false;
        for (std::string* value : {&entry.Low, &entry.High, &entry.Expire, &entry.Note})
            changed = ExchangeFileText::Flatten(*value) || changed;
        if (changed)
            read.notes.changed.Add(number);
        read.entries.push_back(std::move(entry));
    });
    return read;
}
