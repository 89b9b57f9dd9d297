#include "features/cache/SCacheRequests.h"

#include "protocol/RequestKinds.h"
#include "protocol/RuleListRequests.h"

using nsMoxHttp::RequestValues;

namespace {
constexpr nsMoxHttp::RuleListRequests kRequests({eReq_SCacheList, eReq_SCacheAdd, eReq_SCacheModify,
                                                   eReq_SCacheDel, eReq_SCacheUp, eReq_SCacheDown},
                                                  "Wid");
}  // namespace

RequestValues SCacheRuleValues(const SCacheRule& rule)
{
    RequestValues values = kRequests.Keyed(rule.Wid);
    values.Set("ActionUrl", rule.ActionUrl)
        .Set("Icase", rule.Icase)
        .Set("Rules", rule.Rules)
        .Set("SetCookieSessionID", rule.SetCookieSessionID)
        .Set("SessionExpire", rule.SessionExpire)
        .Set("Note", rule.Note);
    return values;
}

SCacheRule SCacheRuleFromValues(const RequestValues& values)
{
    SCacheRule rule;
    rule.Wid = values.Text("Wid");
    rule.ActionUrl = values.Text("ActionUrl");
    rule.Icase = values.Number("Icase", rule.Icase);
    rule.Rules = values.Number("Rules", rule.Rules);
    rule.SetCookieSessionID = values.Text("SetCookieSessionID");
    rule.SessionExpire = values.Number("SessionExpire", rule.SessionExpire);
    rule.Note = values.Text("Note");
    return rule;
}

bool CacheManager_SCacheList()
{
    return kRequests.List();
}

bool CacheManager_SCacheAdd(const SCacheRule& rule)
{
    return kRequests.Add(SCacheRuleValues(rule));
}

bool CacheManager_SCacheModify(const SCacheRule& rule)
{
    return kRequests.Modify(SCacheRuleValues(rule));
}

bool CacheManager_SCacheDel(const std::string& wid)
{
    return kRequests.Delete(wid);
}

bool CacheManager_SCacheUp(const std::string& wid)
{
    return kRequests.Up(wid);
}

bool CacheManager_SCacheDown(const std::string& wid)
{
    return kRequests.Down(wid);
}
