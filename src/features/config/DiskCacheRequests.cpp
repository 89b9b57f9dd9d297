#include "features/config/DiskCacheRequests.h"

#include "protocol/CMoxCacheProtocol.h"
#include "protocol/RequestKinds.h"

using nsMoxHttp::CMoxCacheProtocol;
using nsMoxHttp::RequestValues;

RequestValues DiskCacheEntryValues(const DiskCacheEntry& entry)
{
    RequestValues values;
    values.Set("DiskNo", entry.DiskNo).Set("Path", entry.Path).Set("Enable", entry.Enable).Set("Note", entry.Note);
    return values;
}

DiskCacheEntry DiskCacheEntryFromValues(const RequestValues& values)
{
    DiskCacheEntry entry;
    entry.DiskNo = values.Number("DiskNo");
    entry.Path = values.Text("Path");
    entry.Enable = values.Number("Enable");
    entry.Note = values.Text("Note");
    return entry;
}

bool DiskCacheManager_List()
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_DiskCacheList, {});
}

bool DiskCacheManager_Set(const DiskCacheEntry& entry)
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_DiskCacheSet, DiskCacheEntryValues(entry));
}

bool DiskCacheManager_Query(int diskNo)
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_DiskCacheQuery, RequestValues().Set("DiskNo", diskNo));
}
