#pragma once

#include "features/config/DnsBalanceHost.h"
#include "features/config/DnsRedirectClass.h"
#include "features/config/DnsRedirectEntry.h"
#include "features/config/DnsSystemOptions.h"

#include <json/value.h>

#include <vector>

// Readers of the accepted DNS replies. The list readers return false when the reply is malformed.
void ReadDnsSystemOptions(const Json::Value& root, DnsSystemOptions& options);
bool ReadDnsRedirectLists(const Json::Value& root, std::vector<DnsRedirectEntry>& systemEntries,
                          std::vector<DnsRedirectEntry>& userEntries);
bool ReadDnsRedirectClasses(const Json::Value& root, std::vector<DnsRedirectClass>& classes);
bool ReadDnsBalanceHosts(const Json::Value& root, std::vector<DnsBalanceHost>& hosts);
