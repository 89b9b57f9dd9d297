#pragma once

#include "features/config/DnsBalanceHost.h"
#include "features/config/DnsRedirectClass.h"
#include "features/config/DnsRedirectEntry.h"
#include "features/config/DnsSystemOptions.h"
#include "protocol/RequestValues.h"

#include <string>

// The DNS requests. Each returns true when the request was handed to the transport.
bool DnsManager_SystemList();
// The full save: the eight upstream servers, the cache server's address and the two cache limits.
bool DnsManager_SystemSave(const DnsSystemOptions& options);
bool DnsManager_SetCacheService(int enable);
bool DnsManager_SetRedirect(int enable);
bool DnsManager_SetBalanceType(int balanceType);

bool DnsManager_CacheList();
bool DnsManager_CacheClean();

bool DnsManager_RedirectList();
bool DnsManager_RedirectAdd(const DnsRedirectEntry& entry);
bool DnsManager_RedirectModify(const DnsRedirectEntry& entry);
bool DnsManager_RedirectDel(const std::string& name);

bool DnsManager_ClassList();
bool DnsManager_ClassModify(const DnsRedirectClass& redirectClass);

bool DnsManager_BalanceList();
bool DnsManager_BalanceAdd(const DnsBalanceHost& host);
bool DnsManager_BalanceModify(const DnsBalanceHost& host);
bool DnsManager_BalanceDel(const std::string& ip);

// What a request sent, rebuilt from its values for the result record.
DnsSystemOptions DnsSystemOptionsFromValues(const nsMoxHttp::RequestValues& values);
DnsRedirectEntry DnsRedirectEntryFromValues(const nsMoxHttp::RequestValues& values);
DnsRedirectClass DnsRedirectClassFromValues(const nsMoxHttp::RequestValues& values);
DnsBalanceHost DnsBalanceHostFromValues(const nsMoxHttp::RequestValues& values);
