#include "features/access/RewriteRequests.h"

#include "protocol/RequestKinds.h"
#include "protocol/RuleListRequests.h"

using nsMoxHttp::RequestValues;

namespace {
constexpr nsMoxHttp::RuleListRequests kRequests({eReq_RewriteList, eReq_RewriteAdd, eReq_RewriteModify,
                                                   eReq_RewriteDel, eReq_RewriteUp, eReq_RewriteDown},
                                                  "RewriteID");
}  // namespace

RequestValues RewriteRuleValues(const RewriteRule& rule)
{
    RequestValues values = kRequests.Keyed(rule.RewriteID);
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
    return kRequests.List();
}

bool RewriteManager_Add(const RewriteRule& rule)
{
    return kRequests.Add(RewriteRuleValues(rule));
}

bool RewriteManager_Modify(const RewriteRule& rule)
{
    return kRequests.Modify(RewriteRuleValues(rule));
}

bool RewriteManager_Del(const std::string& rewriteId)
{
    return kRequests.Delete(rewriteId);
}

bool RewriteManager_Up(const std::string& rewriteId)
{
    return kRequests.Up(rewriteId);
}

bool RewriteManager_Down(const std::string& rewriteId)
{
    return kRequests.Down(rewriteId);
}
