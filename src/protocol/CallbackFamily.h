#pragma once

// The reply-callback class that handles a request's reply.
enum class CallbackFamily {
    Http,          // CMoxHttpCallback: sign-in, system, realtime, tools
    FCache,        // CMoxFCacheManager
    RCache,        // CMoxRCacheManager
    CleanCache,    // CCleanCache
    SCache,        // CMoxSCacheParse
    Rewrite,       // CMoxRewriteManager
    Black,         // CMoxBlackParse: black and white lists
    HostManager,   // CMoxHostManagerParse: proxied hosts and upstreams
    Rth,           // CMoxRTHParse: request history and password change
    Cluster,       // CMoxClusterParse
    DiskCache,     // CMoxDiskCacheParse
    Dns,           // CMoxDnsCallback
};
