#include "features/access/RewriteRequests.h"

#include "protocol/CMoxCacheProtocol.h"
#include "protocol/RequestKinds.h"

using nsMoxHttp::CMoxCacheProtocol;
using nsMoxHttp::RequestValues;

RequestValues RewriteRuleValues(const RewriteRule& rule)
{
    RequestValues values;
    if (!rule.RewriteID.empty())
        values.Set("RewriteID", rule.RewriteID);
    values.Set("SourceUrl", rule.SourceUrl)
        .Set("DestinationUrl", rule.DestinationUrl)
        .Set("Icase", rule.Icase)
        .Set("Flag", rule.Flag)
        .Set("Note", rule.Note);
    return values;
}

RewriteRule RewriteRuleFromValues(const RequestValues& values)
{
    RewriteRule rule;
    rule.RewriteID = values.Text("RewriteID");
    rule.SourceUrl = values.Text("SourceUrl");
    rule.DestinationUrl = values.Text("DestinationUrl");
    rule.Icase = values.Number("Icase", rule.Icase);
    rule.Flag = values.Number("Flag", rule.Flag);
    rule.Note = values.Text("Note");
    return rule;
}

bool RewriteManager_List()
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_RewriteList, {});
}

bool RewriteManager_Add(const RewriteRule& rule)
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_RewriteAdd, RewriteRuleValues(rule));
}

bool RewriteManager_Modify(const RewriteRule& rule)
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_RewriteModify, RewriteRuleValues(rule));
}

bool RewriteManager_Del(const std::string& rewriteId)
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_RewriteDel, RequestValues().Set("RewriteID", rewriteId));
}

bool RewriteManager_Up(const std::string& rewriteId)
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_RewriteUp, RequestValues().Set("RewriteID", rewriteId));
}

bool RewriteManager_Down(const std::string& rewriteId)
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_RewriteDown, RequestValues().Set("RewriteID", rewriteId));
}
