#include "features/cache/SCacheReplyReader.h"

#include "protocol/ReplyList.h"
#include "protocol/ReplyObjectReader.h"

using nsMoxHttp::ReplyObjectReader;

bool ReadSCacheRuleList(const Json::Value& root, std::vector<SCacheRule>& rules)
{
    return nsMoxHttp::WalkReplyList(root, [&rules](ReplyObjectReader& reader) {
        SCacheRule rule;
        rule.No = static_cast<std::int32_t>(reader.RequiredNumber("NO"));
        rule.Wid = reader.RequiredString("Wid");
        rule.ActionUrl = reader.RequiredString("ActionUrl");
        rule.Icase = static_cast<std::int32_t>(reader.RequiredNumber("Icase"));
        rule.Rules = static_cast<std::int32_t>(reader.RequiredNumber("Rules"));
        rule.SetCookieSessionID = reader.RequiredString("SetCookieSessionID");
        rule.SessionExpire = static_cast<std::int32_t>(reader.RequiredNumber("SessionExpire"));
        rule.Note = reader.RequiredDecodedText("Note");
        if (!reader.Malformed())
            rules.push_back(std::move(rule));
    });
}
