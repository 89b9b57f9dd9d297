#include "features/access/BlackListFile.h"

#include "shell/ExchangeFileText.h"

#include <algorithm>

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

AddressListEntry BlackListEntryAt(std::string_view text, const std::array<std::uint32_t, 5>& at)
{
    const auto [start, dash, first, second, end] = at;
    const auto part = [text](std::uint32_t from, std::uint32_t to) {
        return std::string(text.substr(from, to - from));
    };
    AddressListEntry entry;
    entry.Low = part(start, dash);
    entry.High = dash == first ? entry.Low : part(dash + 1, first);
    entry.Expire = part(first + 1, second);
    entry.Note = part(second + 1, end);
    return entry;
}

BlackListFileRead ReadBlackListFile(std::string text)
{
    BlackListFileRead read;
    read.entries.Read(std::move(text), read.notes.changed,
                      [&read](std::string_view line, std::size_t number,
                              const auto& offset) -> std::optional<BlackListFileEntries::Positions> {
                          const std::size_t first = line.find('/');
                          const std::size_t second =
                              first == std::string_view::npos ? first : line.find('/', first + 1);
                          if (first == 0 || second == std::string_view::npos) {
                              if (!line.empty())
                                  read.notes.unreadable.Add(number);
                              return std::nullopt;
                          }
                          const std::string_view range = line.substr(0, first);
                          const std::size_t dash = std::min(range.find('-'), first);
                          if (dash == first) {
                              if (read.singleAddressRanges.size() < ExchangeFileText::LineNumbers::kKept)
                                  read.singleAddressRanges.emplace_back(range);
                              ++read.singleAddressCount;
                          }
                          const auto at = [&](std::size_t index) { return offset(line.substr(index)); };
                          return BlackListFileEntries::Positions{at(0), at(dash), at(first), at(second),
                                                                 at(line.size())};
                      });
    return read;
}
