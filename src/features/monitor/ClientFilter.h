#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The access monitor's client filter: which client addresses a stream is limited to.

// The entries every server offers, "监控所有用户" first.
const std::vector<std::string>& FixedClientFilters();

struct ClientRange {
    std::string low;   // empty: no range at all
    std::string high;
};

// Empty text and the two "all users" texts mean no range; a text with "-" is split at its first
// "-"; a single address is both bounds. Blanks around the addresses are dropped.
ClientRange ParseClientFilter(std::string_view text);

// The operator's own filters for one server, kept in the login-history folder in a file named
// after the server's address without its port, section "HostMonitor".
class ClientFilterMemory {
public:
    static constexpr std::size_t kMostOwnFilters = 3;

    // host may carry a port; it is cut at its first ":".
    ClientFilterMemory(std::filesystem::path loginHistoryDirectory, std::string_view host);

    const std::filesystem::path& File() const { return file_; }
    // Newest first, at most three, none empty.
    std::vector<std::string> OwnFilters() const;
    std::string Latest() const;

    // Remembers a filter as used: one not among the fixed or own ones becomes the newest own one
    // (the oldest of four is forgotten); the text becomes the latest. False when the file could
    // not be written.
    bool Use(const std::string& filter);

private:
    std::filesystem::path file_;
};
