#pragma once

#include <string_view>

// Which of the two client-address lists a request works on.
enum class AddressList { Black, White };

// The entry identifier's key in requests and replies: "BlackID" or "WhiteID".
constexpr std::string_view AddressListIdKey(AddressList list)
{
    return list == AddressList::Black ? "BlackID" : "WhiteID";
}
