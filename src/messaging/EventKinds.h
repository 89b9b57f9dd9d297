#pragma once

// Every event the console posts. For kinds 1 to 6 param1 is the record (or 0) and param2 is 0; for
// every other kind param1 is an eMoxEventStatus and param2 the record, 0, or (kinds without a
// record) the server's error number or a value the request handed through.
enum eMoxCacheEvent : int {
    eMoxCacheEvent_UpdateStatusBar = 1,
    eMoxCacheEvent_LoginStart = 2,
    eMoxCacheEvent_LoginOk = 3,
    eMoxCacheEvent_LoginFailed = 4,
    eMoxCacheEvent_ConnectClosed = 5,
    eMoxCacheEvent_ConnectFailed = 6,

    eMoxCacheEvent_FCacheList = 7,
    eMoxCacheEvent_FCacheAdd = 8,
    eMoxCacheEvent_FCacheDelete = 9,
    eMoxCacheEvent_FCacheModify = 10,
    eMoxCacheEvent_FCacheMoveUp = 11,
    eMoxCacheEvent_FCacheMoveDown = 12,

    eMoxCacheEvent_RCacheList = 14,
    eMoxCacheEvent_RCacheAdd = 15,
    eMoxCacheEvent_RCacheModify = 16,
    eMoxCacheEvent_RCacheDelete = 17,
    eMoxCacheEvent_RCacheMoveUp = 18,
    eMoxCacheEvent_RCacheMoveDown = 19,

    eMoxCacheEvent_CleanSmartCache = 20,
    eMoxCacheEvent_CleanCache = 21,
    eMoxCacheEvent_CleanAllCache = 22,
    eMoxCacheEvent_CleanCacheSecondForm = 23,
    eMoxCacheEvent_CleanSessionCache = 24,

    eMoxCacheEvent_RewriteList = 25,
    eMoxCacheEvent_RewriteMoveUp = 27,
    eMoxCacheEvent_RewriteMoveDown = 28,
    eMoxCacheEvent_RewriteAdd = 29,
    eMoxCacheEvent_RewriteModify = 30,
    eMoxCacheEvent_RewriteDelete = 31,

    eMoxCacheEvent_BlackList = 42,
    eMoxCacheEvent_BlackAdd = 44,
    eMoxCacheEvent_BlackModify = 45,
    eMoxCacheEvent_BlackDelete = 46,
    eMoxCacheEvent_WhiteList = 47,
    eMoxCacheEvent_WhiteAdd = 49,
    eMoxCacheEvent_WhiteModify = 50,
    eMoxCacheEvent_WhiteDelete = 51,

    eMoxCacheEvent_ProxyHostList = 53,
    eMoxCacheEvent_UpstreamList = 58,

    eMoxCacheEvent_SCacheList = 70,
    eMoxCacheEvent_SCacheMoveUp = 72,
    eMoxCacheEvent_SCacheMoveDown = 73,
    eMoxCacheEvent_SCacheAdd = 74,
    eMoxCacheEvent_SCacheModify = 75,
    eMoxCacheEvent_SCacheDelete = 76,

    eMoxCacheEvent_SystemOptionsSet = 77,
    eMoxCacheEvent_SystemOptionsRead = 78,
    eMoxCacheEvent_RealtimeInfoRead = 79,
    eMoxCacheEvent_RealtimeStat = 80,
    eMoxCacheEvent_InstantRequest = 82,

    eMoxCacheEvent_RthList = 83,
    eMoxCacheEvent_RthAdd = 84,
    eMoxCacheEvent_RthDelete = 85,

    eMoxCacheEvent_PasswordChanged = 86,

    eMoxCacheEvent_ToolsIpLookup = 89,
    eMoxCacheEvent_ToolsTestRegex = 90,
    eMoxCacheEvent_ToolsTestCache = 91,
    eMoxCacheEvent_ToolsCachedUrlList = 92,

    eMoxCacheEvent_ClusterConfigRead = 93,
    eMoxCacheEvent_ClusterStatusRead = 94,
    eMoxCacheEvent_ClusterConfigSet = 95,

    eMoxCacheEvent_DiskCacheRead = 96,
    eMoxCacheEvent_DiskCacheSet = 97,

    eMoxCacheEvent_DnsSystemRead = 98,
    eMoxCacheEvent_DnsSystemSet = 99,
    eMoxCacheEvent_DnsRedirectList = 100,
    eMoxCacheEvent_DnsRedirectAdd = 101,
    eMoxCacheEvent_DnsRedirectModify = 102,
    eMoxCacheEvent_DnsRedirectDelete = 103,
    eMoxCacheEvent_DnsCacheList = 104,
    eMoxCacheEvent_DnsCacheCleaned = 105,  // our own number: free in the server's table
    eMoxCacheEvent_DnsRedirectClassList = 107,
    eMoxCacheEvent_DnsRedirectClassSet = 108,
    eMoxCacheEvent_DnsBalanceList = 109,
    eMoxCacheEvent_DnsBalanceAdd = 110,
    eMoxCacheEvent_DnsBalanceModify = 111,
    eMoxCacheEvent_DnsBalanceDelete = 112,
};

// param1 of the kinds from 7 on.
enum eMoxEventStatus : int {
    eMoxEventStatus_Ok = 0,            // param2: the record
    eMoxEventStatus_ServerError = 1,   // param2: the record, carrying the server's error number
    eMoxEventStatus_NetworkError = 2,  // param2: 0
    eMoxEventStatus_BadReply = 3,      // param2: 0
};

// Which parameter carries the event's own reference to its record, released by the end handler
// once every handler has run (or when the event is never delivered).
enum class eMoxEventRecordSlot { None, Param1, Param2 };

// Kinds 53, 58, 79 and 109 carry a record too, and kind 104 carries the DNS cache reply text in a
// CMoxTextEventParam (never a plain number), so the end handler releases their param2 like any
// other record: every record is released exactly once, and a view that keeps one takes its own
// reference.
constexpr eMoxEventRecordSlot EndReleaseOf(int kind)
{
    switch (kind) {
    case eMoxCacheEvent_UpdateStatusBar:
    case eMoxCacheEvent_LoginStart:
    case eMoxCacheEvent_LoginOk:
    case eMoxCacheEvent_LoginFailed:
    case eMoxCacheEvent_ConnectFailed:
        return eMoxEventRecordSlot::Param1;

    case eMoxCacheEvent_FCacheList:
    case eMoxCacheEvent_FCacheAdd:
    case eMoxCacheEvent_FCacheDelete:
    case eMoxCacheEvent_FCacheModify:
    case eMoxCacheEvent_FCacheMoveUp:
    case eMoxCacheEvent_FCacheMoveDown:
    case eMoxCacheEvent_RCacheList:
    case eMoxCacheEvent_RCacheAdd:
    case eMoxCacheEvent_RCacheModify:
    case eMoxCacheEvent_RCacheDelete:
    case eMoxCacheEvent_RCacheMoveUp:
    case eMoxCacheEvent_RCacheMoveDown:
    case eMoxCacheEvent_RewriteList:
    case eMoxCacheEvent_RewriteMoveUp:
    case eMoxCacheEvent_RewriteMoveDown:
    case eMoxCacheEvent_RewriteAdd:
    case eMoxCacheEvent_RewriteModify:
    case eMoxCacheEvent_RewriteDelete:
    case eMoxCacheEvent_BlackList:
    case eMoxCacheEvent_BlackAdd:
    case eMoxCacheEvent_BlackModify:
    case eMoxCacheEvent_BlackDelete:
    case eMoxCacheEvent_WhiteList:
    case eMoxCacheEvent_WhiteAdd:
    case eMoxCacheEvent_WhiteModify:
    case eMoxCacheEvent_WhiteDelete:
    case eMoxCacheEvent_ProxyHostList:
    case eMoxCacheEvent_UpstreamList:
    case eMoxCacheEvent_SCacheList:
    case eMoxCacheEvent_SCacheMoveUp:
    case eMoxCacheEvent_SCacheMoveDown:
    case eMoxCacheEvent_SCacheAdd:
    case eMoxCacheEvent_SCacheModify:
    case eMoxCacheEvent_SCacheDelete:
    case eMoxCacheEvent_SystemOptionsRead:
    case eMoxCacheEvent_RealtimeInfoRead:
    case eMoxCacheEvent_RealtimeStat:
    case eMoxCacheEvent_InstantRequest:
    case eMoxCacheEvent_RthList:
    case eMoxCacheEvent_RthAdd:
    case eMoxCacheEvent_RthDelete:
    case eMoxCacheEvent_ToolsIpLookup:
    case eMoxCacheEvent_ToolsTestRegex:
    case eMoxCacheEvent_ToolsTestCache:
    case eMoxCacheEvent_ToolsCachedUrlList:
    case eMoxCacheEvent_ClusterConfigRead:
    case eMoxCacheEvent_ClusterStatusRead:
    case eMoxCacheEvent_ClusterConfigSet:
    case eMoxCacheEvent_DiskCacheRead:
    case eMoxCacheEvent_DiskCacheSet:
    case eMoxCacheEvent_DnsSystemRead:
    case eMoxCacheEvent_DnsSystemSet:
    case eMoxCacheEvent_DnsRedirectList:
    case eMoxCacheEvent_DnsRedirectAdd:
    case eMoxCacheEvent_DnsRedirectModify:
    case eMoxCacheEvent_DnsRedirectDelete:
    case eMoxCacheEvent_DnsCacheList:
    case eMoxCacheEvent_DnsRedirectClassList:
    case eMoxCacheEvent_DnsRedirectClassSet:
    case eMoxCacheEvent_DnsBalanceList:
    case eMoxCacheEvent_DnsBalanceAdd:
    case eMoxCacheEvent_DnsBalanceModify:
    case eMoxCacheEvent_DnsBalanceDelete:
        return eMoxEventRecordSlot::Param2;

    default:
        return eMoxEventRecordSlot::None;
    }
}
