#include "features/monitor/RthReplyReader.h"

#include "protocol/ReplyList.h"
#include "protocol/ReplyObjectReader.h"
#include "shell/Utf8Text.h"

using nsMoxHttp::ReplyObjectReader;

namespace {
std::int32_t Flag(ReplyObjectReader& reader, const char* key)
{
    return static_cast<std::int32_t>(reader.RequiredNumber(key));
}
}  // namespace

bool ReadRthRecordList(const Json::Value& root, std::vector<RthRecord>& records)
{
    return nsMoxHttp::WalkReplyList(root, [&records](ReplyObjectReader& reader) {
        RthRecord record;
        record.No = Flag(reader, "NO");
        record.Title = Utf8Text::Sanitize(reader.RequiredString("Title"));
        record.RequestUrl = reader.RequiredString("RequestUrl");
        record.Icase = Flag(reader, "Icase");
        record.Rules = Flag(reader, "Rules");
        record.Location = Flag(reader, "Location");
        record.DateTime = Flag(reader, "DateTime");
        record.HitCache = Flag(reader, "HitCache");
        record.UserAgent = Flag(reader, "UserAgent");
        record.InvalidRequest = Flag(reader, "InvalidRequest");
        record.HitMemberCache = Flag(reader, "HitMemberCache");
        if (!reader.Malformed())
            records.push_back(std::move(record));
    });
}
