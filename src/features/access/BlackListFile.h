#pragma once

#include "features/access/AddressListEntry.h"
#include "shell/ExchangeFileText.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The black-list file: one entry per line, "low-high/expiry/note", each line ended by CR LF when
// written; read with LF, CR LF or a mix of both.

// Whether the entry reads back as written: a "/" before the note, or a "-" in the low address,
// would move the fields apart (an address range written as a network, say "10.0.0.0/8").
bool BlackListEntryFitsLine(const AddressListEntry& entry);

// Line breaks and NULs in a value are written as blanks, so that every entry stays one line;
// entries that do not fit a line are left out and counted.
ExchangeFileText::Written BlackListFileText(const std::vector<AddressListEntry>& entries);

// The entries of a file as read: the text is kept once, with where each entry's parts lie in it,
// and an entry is made only when it is asked for. A file of millions of short lines so costs a few
// times its size, not a record of strings per line.
class BlackListFileEntries {
public:
    std::size_t size() const { return lines_.size(); }
    bool empty() const { return lines_.empty(); }
    AddressListEntry operator[](std::size_t index) const;
    std::vector<AddressListEntry> All() const;

private:
    friend class BlackListFileReader;
    struct Line {
        std::uint32_t start, dash, first, second, end;  // dash == first: the range has none
    };
    std::string text_;
    std::vector<Line> lines_;
};

struct BlackListFileRead {
    BlackListFileEntries entries;
    // Ranges written without "-": each stands for both addresses, and the operator is told of
    // the first ten; the count holds them all.
    std::vector<std::string> singleAddressRanges;
    std::size_t singleAddressCount = 0;
    ExchangeFileText::ReadNotes notes;
};

// Every line counts, a last one without an end too, and is read whole; a line without two "/" or
// with an empty range is skipped and noted; a NUL or a lone CR is read as a blank.
BlackListFileRead ReadBlackListFile(std::string text);
