#include "features/monitor/RthRequests.h"

#include "protocol/CMoxCacheProtocol.h"
#include "protocol/RequestKinds.h"

using nsMoxHttp::CMoxCacheProtocol;
using nsMoxHttp::RequestValues;

RequestValues RthRecordValues(const RthRecord& record)
{
    RequestValues values;
    values.Set("Title", record.Title)
        .Set("RequestUrl", record.RequestUrl)
        .Set("Icase", record.Icase)
        .Set("Rules", record.Rules)
        .Set("Location", record.Location)
        .Set("DateTime", record.DateTime)
        .Set("HitCache", record.HitCache)
        .Set("UserAgent", record.UserAgent)
        .Set("InvalidRequest", record.InvalidRequest)
        .Set("HitMemberCache", record.HitMemberCache);
    return values;
}

RthRecord RthRecordFromValues(const RequestValues& values)
{
    RthRecord record;
    record.Title = values.Text("Title");
    record.RequestUrl = values.Text("RequestUrl");
    record.Icase = values.Number("Icase", record.Icase);
    record.Rules = values.Number("Rules", record.Rules);
    record.Location = values.Number("Location", record.Location);
    record.DateTime = values.Number("DateTime", record.DateTime);
    record.HitCache = values.Number("HitCache", record.HitCache);
    record.UserAgent = values.Number("UserAgent", record.UserAgent);
    record.InvalidRequest = values.Number("InvalidRequest", record.InvalidRequest);
    record.HitMemberCache = values.Number("HitMemberCache", record.HitMemberCache);
    return record;
}

bool MonitorManager_RthList()
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_RthList, {});
}

bool MonitorManager_RthAdd(const RthRecord& record)
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_RthAdd, RthRecordValues(record));
}

bool MonitorManager_RthDel(const std::string& requestUrl)
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_RthDel, RequestValues().Set("RequestUrl", requestUrl));
}
