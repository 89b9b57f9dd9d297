#pragma once

#include "features/access/AddressListEntry.h"
#include "protocol/ResultRecords.h"

// The black and the white list alike.
class CMoxAddressListEventParam : public CMoxListEventParamT<AddressListEntry> {};
// Add, modify and delete of an entry of either list.
class CMoxAddressEntryEventParam : public CMoxItemEventParamT<AddressListEntry> {};
