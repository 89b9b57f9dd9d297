#pragma once

#include "features/access/AddressListEntry.h"
#include "shell/ExchangeFileText.h"

#include <string>
#include <string_view>
#include <vector>

// The black-list file: one entry per line, "low-high/expiry/note", each line ended by CR LF.

// Line breaks in a value are written as blanks, so that every entry stays one line.
ExchangeFileText::Written BlackListFileText(const std::vector<AddressListEntry>& entries);

struct BlackListFileRead {
    std::vector<AddressListEntry> entries;
    // Ranges written without "-": each stands for both addresses, and the operator is told.
    std::vector<std::string> singleAddressRanges;
};

// Only lines ended by CR LF count (a last line without one is ignored); a line is cut to 1024
// characters; a line without two "/" or with an empty range is skipped.
BlackListFileRead ReadBlackListFile(std::string_view text);

inline constexpr std::size_t kBlackListLineLimit = 1024;
