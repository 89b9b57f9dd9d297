#pragma once

#include "features/access/AddressList.h"
#include "features/access/AddressListEntry.h"

#include <json/value.h>

#include <vector>

// The entries of an accepted black or white list reply, in reply order. False when the reply is
// malformed; every key of an element is required.
bool ReadAddressList(const Json::Value& root, AddressList list, std::vector<AddressListEntry>& entries);
