#pragma once

#include "shell/LoginHistoryRecord.h"

#include <filesystem>
#include <string_view>
#include <vector>

// The login history of older consoles, "LoginHistroy.xml" in the data directory: "User" elements
// (any letter case) under the root with the attributes ip, AdminSavePasswd, KeeperSavePasswd, Name,
// AdminPassword and KeeperPassword. Only read; a missing or unreadable file yields no records.
std::vector<LoginHistoryRecord> ReadLegacyLoginHistory(const std::filesystem::path& file);
// The same from the file's bytes.
std::vector<LoginHistoryRecord> ParseLegacyLoginHistory(std::string_view text);
