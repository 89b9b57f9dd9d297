#include "features/access/RewriteReplyReader.h"

#include "protocol/ReplyList.h"
#include "protocol/ReplyObjectReader.h"

using nsMoxHttp::ReplyObjectReader;

bool ReadRewriteRuleList(const Json::Value& root, std::vector<RewriteRule>& rules)
{
    return nsMoxHttp::WalkReplyList(root, [&rules](ReplyObjectReader& reader) {
        RewriteRule rule;
        rule.No = static_cast<std::int32_t>(reader.RequiredNumber("NO"));
        rule.RewriteID = reader.RequiredString("RewriteID");
        rule.SourceUrl = reader.RequiredString("SourceUrl");
        rule.DestinationUrl = reader.RequiredString("DestinationUrl");
        rule.Icase = static_cast<std::int32_t>(reader.RequiredNumber("Icase"));
        rule.Flag = static_cast<std::int32_t>(reader.RequiredNumber("Flag"));
        rule.Note = reader.RequiredDecodedText("Note");
        if (!reader.Malformed())
            rules.push_back(std::move(rule));
    });
}
