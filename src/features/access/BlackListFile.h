#pragma once

#include "features/access/AddressListEntry.h"
#include "shell/EntriesInText.h"
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

// Low start, dash (at the first "/" when the range has none), first "/", second "/", line end.
AddressListEntry BlackListEntryAt(std::string_view text, const std::array<std::uint32_t, 5>& at);
using BlackListFileEntries = EntriesInText<AddressListEntry, 5>;

struct BlackListFileRead {
    BlackListFileEntries entries{BlackListEntryAt};
    // Ranges written without "-": each stands for both addresses, and the operator is told of
    // the first ten; the count holds them all.
    std::vector<std::string> singleAddressRanges;
    std::size_t singleAddressCount = 0;
    ExchangeFileText::ReadNotes notes;
};

// Every line counts, a last one without an end too, and is read whole; a line without two "/" or
// with an empty range is skipped and noted; a NUL or a lone CR is read as a blank.
BlackListFileRead ReadBlackListFile(std::string text);
