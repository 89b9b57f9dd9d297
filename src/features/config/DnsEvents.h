#pragma once

#include "features/config/DnsBalanceHost.h"
#include "features/config/DnsRedirectClass.h"
#include "features/config/DnsRedirectEntry.h"
#include "features/config/DnsSystemOptions.h"
#include "messaging/CMoxEventParam.h"
#include "protocol/ResultRecords.h"

#include <vector>

// The settings a list read, or the ones a set sent.
class CMoxDnsSystemEventParam : public CMoxEventParam {
public:
    DnsSystemOptions options;
    int errorNo = 0;
};

class CMoxDnsRedirectListEventParam : public CMoxEventParam {
public:
    std::vector<DnsRedirectEntry> systemEntries;  // built in by the server
    std::vector<DnsRedirectEntry> userEntries;    // added by the operator
    int errorNo = 0;
};

// The entry that was added, changed or deleted.
class CMoxDnsRedirectAddEventParam : public CMoxItemEventParamT<DnsRedirectEntry> {};
// The classes of a list, or the one class a change sent.
class CMoxDnsRedirectClassListEventParam : public CMoxListEventParamT<DnsRedirectClass> {};
// The hosts of a list, or the one host an add, change or delete sent.
class CMoxDnsRedirectBalanceListEventParam : public CMoxListEventParamT<DnsBalanceHost> {};
