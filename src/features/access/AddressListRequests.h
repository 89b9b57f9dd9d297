#pragma once

#include "features/access/AddressList.h"
#include "features/access/AddressListEntry.h"
#include "protocol/RequestValues.h"

#include <string>

// The black- and white-list requests. Each returns true when the request was handed to the transport.
bool AccessList_BlackList();
bool AccessList_BlackAdd(const AddressListEntry& entry);
bool AccessList_BlackModify(const AddressListEntry& entry);
bool AccessList_BlackDel(const std::string& blackId);
bool AccessList_WhiteList();
bool AccessList_WhiteAdd(const AddressListEntry& entry);
bool AccessList_WhiteModify(const AddressListEntry& entry);
bool AccessList_WhiteDel(const std::string& whiteId);

// An entry as request values and back: the callback rebuilds the entry it sent from its values.
nsMoxHttp::RequestValues AddressListEntryValues(const AddressListEntry& entry, AddressList list);
AddressListEntry AddressListEntryFromValues(const nsMoxHttp::RequestValues& values, AddressList list);
