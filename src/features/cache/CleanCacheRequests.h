#pragma once

#include <string>

// The cache-cleaning requests. withCluster asks every server of the cluster to clean as well.
// Each returns true when the request was handed to the transport.
bool CacheManager_CleanSmartCache(bool withCluster);
bool CacheManager_CleanPageCache(bool withCluster);
bool CacheManager_CleanAllCache(bool withCluster);
// The cached pages whose URL matches the pattern; rules: 0 wildcard, 1 regular expression, 2 exact.
bool CacheManager_CleanThisCache(const std::string& url, bool icase, int rules, bool withCluster);
bool CacheManager_CleanSessionCache(bool withCluster);
