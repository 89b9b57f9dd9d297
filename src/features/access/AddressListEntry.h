#pragma once

#include <cstdint>
#include <string>

// One entry of the black or the white list: a range of client addresses and when it expires.
// The console passes the texts on as typed; the server interprets them. Texts are UTF-8.
struct AddressListEntry {
    std::int32_t No = 0;  // position in the server's list
    std::string Id;       // BlackID or WhiteID, after the list the entry belongs to
    std::string Low;      // at most 32 characters
    std::string High;     // at most 32 characters
    std::string Expire;   // YYYY-MM-DD HH:MM:SS
    // Kept whole when the server sends more than the form lets anyone type.
    std::string Note;

    static constexpr int kAddressLimit = 32;
    static constexpr int kNoteLimit = 128;
};
