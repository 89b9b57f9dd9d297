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

AddressListEntry BlackListFileEntries::operator[](std::size_t index) const
{
    const Line& line = lines_[index];
    const auto part = [this](std::uint32_t from, std::uint32_t to) { return std::string(text_, from, to - from); };
    AddressListEntry entry;
    entry.Low = part(line.start, line.dash);
    entry.High = line.dash == line.first ? entry.Low : part(line.dash + 1, line.first);
    entry.Expire = part(line.first + 1, line.second);
    entry.Note = part(line.second + 1, line.end);
    return entry;
}

std::vector<AddressListEntry> BlackListFileEntries::All() const
{
    std::vector<AddressListEntry> all;
    all.reserve(size());
    for (std::size_t i = 0; i < size(); ++i)
        all.push_back((*this)[i]);
    return all;
}

class BlackListFileReader {
public:
    static BlackListFileRead Read(std::string text)
    {
        BlackListFileRead read;
        // Blanks in place of NULs and lone CRs, noted by line, so that the parts can be cut from
        // the text as it stands.
        constexpr std::string_view kBlanked("\r\0", 2);
        std::size_t line = 1, countedTo = 0, lastNoted = 0;
        for (std::size_t at = text.find_first_of(kBlanked); at != std::string::npos;
             at = text.find_first_of(kBlanked, at + 1)) {
            if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
                continue;
            line += static_cast<std::size_t>(std::count(text.begin() + static_cast<std::ptrdiff_t>(countedTo),
                                                        text.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
            countedTo = at;
            text[at] = ' ';
            if (line != lastNoted)
                read.notes.changed.Add(lastNoted = line);
        }
        BlackListFileEntries& entries = read.entries;
        entries.lines_.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
        const char* const base = text.data();
        ExchangeFileText::ForEachLine(text, [&](std::string_view line, std::size_t number) {
            const std::size_t first = line.find('/');
            const std::size_t second = first == std::string_view::npos ? first : line.find('/', first + 1);
            if (first == 0 || second == std::string_view::npos) {
                if (!line.empty())
                    read.notes.unreadable.Add(number);
                return;
            }
            const std::size_t dash = line.substr(0, first).find('-');
            if (dash == std::string_view::npos) {
                if (read.singleAddressRanges.size() < ExchangeFileText::LineNumbers::kKept)
                    read.singleAddressRanges.emplace_back(line.substr(0, first));
                ++read.singleAddressCount;
            }
            const auto at = [&](std::size_t offset) {
                return static_cast<std::uint32_t>(line.data() - base + static_cast<std::ptrdiff_t>(offset));
            };
            entries.lines_.push_back({at(0), at(dash == std::string_view::npos ? first : dash), at(first), at(second),
                                      at(line.size())});
        });
        entries.lines_.shrink_to_fit();
        entries.text_ = std::move(text);
        return read;
    }
};

BlackListFileRead ReadBlackListFile(std::string text)
{
    return BlackListFileReader::Read(std::move(text));
}
