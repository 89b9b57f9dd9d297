#include "features/cache/FCacheReplyReader.h"

#include "protocol/ReplyList.h"
#include "protocol/ReplyObjectReader.h"

using nsMoxHttp::ReplyObjectReader;

bool ReadFCacheRuleList(const Json::Value& root, std::vector<FCacheRule>& rules)
{
    return nsMoxHttp::WalkReplyList(root, [&rules](ReplyObjectReader& reader) {
        FCacheRule rule;
        rule.No = static_cast<std::int32_t>(reader.RequiredNumber("NO"));
        rule.Wid = reader.RequiredString("Wid");
        rule.Url = reader.RequiredString("Url");
        rule.Icase = static_cast<std::int32_t>(reader.RequiredNumber("Icase"));
        rule.Rules = static_cast<std::int32_t>(reader.RequiredNumber("Rules"));
        rule.Expire = static_cast<std::int32_t>(reader.RequiredNumber("Expire"));
        rule.Unit = static_cast<std::int32_t>(reader.RequiredNumber("Unit"));
        rule.Icookie = static_cast<std::int32_t>(reader.RequiredNumber("Icookie"));
        rule.Olimit = static_cast<std::int32_t>(reader.RequiredNumber("Olimit"));
        rule.IsDiskCache = static_cast<std::int32_t>(reader.OptionalNumber("IsDiskCache", 1));
        rule.Note = reader.RequiredDecodedText("Note");
        if (!reader.Malformed())
            rules.push_back(std::move(rule));
    });
}
