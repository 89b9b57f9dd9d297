#pragma once

#include "features/config/DnsRedirectEntry.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The exchanged list of custom redirect entries, one per line: "address=/NAME/IP" for an entry
// that redirects, "refuse=/NAME/IP" for one that does not, a note after "#" with the rule padded
// to 60 columns. The text is UTF-8; reading and writing the file's bytes is the caller's part.

// The lines of the custom entries, each ended by CR LF. Built-in entries are skipped.
std::string FormatDnsRedirectLines(const std::vector<DnsRedirectEntry>& entries);

// The entries of the lines that hold a rule, as custom entries; other lines are skipped.
std::vector<DnsRedirectEntry> ParseDnsRedirectLines(std::string_view text);

// The file of the custom entries, in the form every exchanged file takes; false, with the reason,
// when it cannot be written.
bool WriteDnsRedirectFile(const std::filesystem::path& file, const std::vector<DnsRedirectEntry>& entries,
                          std::string* error);
// The entries of a file; none, with the reason, when it cannot be read.
std::optional<std::vector<DnsRedirectEntry>> ReadDnsRedirectFile(const std::filesystem::path& file,
                                                                 std::string* error);

// The suggested name of an export file for the date given as "YYYY-MM-DD".
std::string DnsRedirectFileName(std::string_view date);
