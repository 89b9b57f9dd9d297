#pragma once

#include "features/config/DnsRedirectEntry.h"
#include "shell/EntriesInText.h"
#include "shell/ExchangeFileText.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The exchanged list of custom redirect entries, one per line: "address=/NAME/IP" for an entry
// that redirects, "refuse=/NAME/IP" for one that does not, a note after "#" with the rule padded
// to 60 columns. The text is UTF-8; reading and writing the file's bytes is the caller's part.

// Whether a domain name can stand in a line: "/" ends the name, "#" starts the note and a blank
// ends the address, so a name holding one would be read back as another entry.
bool DnsNameFitsLine(std::string_view name);
// Whether an address reads back as written: "#" starts the note, a blank ends the address before
// a note, and one trailing "/" (or blanks) are taken off when read.
bool DnsAddressFitsLine(std::string_view ip);

// The lines of the custom entries, each ended by CR LF. Built-in entries are skipped, and so are
// entries whose names or addresses do not fit a line (counted as left out); line breaks and NULs
// in a note are written as blanks. Values are written whole, however long.
ExchangeFileText::Written FormatDnsRedirectLines(const std::vector<DnsRedirectEntry>& entries);

// Name, address and note (start and end of each), and Enable.
DnsRedirectEntry DnsRedirectEntryAt(std::string_view text, const std::array<std::uint32_t, 7>& at);
using DnsRedirectFileEntries = EntriesInText<DnsRedirectEntry, 7>;

struct DnsRedirectFileRead {
    DnsRedirectFileEntries entries{DnsRedirectEntryAt};
    ExchangeFileText::ReadNotes notes;
};

// The entries of the lines that hold a rule, as custom entries, read whole; other lines are skipped,
// and noted unless blank or a comment; a NUL is read as a blank. Lines end in LF, CR LF or a mix.
DnsRedirectFileRead ReadDnsRedirectText(std::string text);
std::vector<DnsRedirectEntry> ParseDnsRedirectLines(std::string_view text);

// The file of the custom entries, in the form every exchanged file takes, and what its writing
// changed; none, with the reason, when it cannot be written.
std::optional<ExchangeFileText::Written> WriteDnsRedirectFile(const std::filesystem::path& file,
                                                              const std::vector<DnsRedirectEntry>& entries,
                                                              std::string* error);
// The entries of a file; none, with the reason, when it cannot be read.
std::optional<DnsRedirectFileRead> ReadDnsRedirectFile(const std::filesystem::path& file, std::string* error);

// The suggested name of an export file for the date given as "YYYY-MM-DD".
std::string DnsRedirectFileName(std::string_view date);
