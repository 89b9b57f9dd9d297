#include "features/cache/RCacheReplyReader.h"

#include "protocol/ReplyList.h"
#include "protocol/ReplyObjectReader.h"

using nsMoxHttp::ReplyObjectReader;

bool ReadRCacheRuleList(const Json::Value& root, std::vector<RCacheRule>& rules)
{
    return nsMoxHttp::WalkReplyList(root, [&rules](ReplyObjectReader& reader) {
        RCacheRule rule;
        rule.No = static_cast<std::int32_t>(reader.RequiredNumber("NO"));
        rule.Wid = reader.RequiredString("Wid");
        rule.Url = reader.RequiredString("Url");
        rule.Icase = static_cast<std::int32_t>(reader.RequiredNumber("Icase"));
        rule.Rules = static_cast<std::int32_t>(reader.RequiredNumber("Rules"));
        rule.Olimit = static_cast<std::int32_t>(reader.RequiredNumber("Olimit"));
        rule.CacheLocation = static_cast<std::int32_t>(reader.OptionalNumber("CacheLocation", 1));
        rule.Note = reader.RequiredDecodedText("Note");
        if (!reader.Malformed())
            rules.push_back(std::move(rule));
    });
}
