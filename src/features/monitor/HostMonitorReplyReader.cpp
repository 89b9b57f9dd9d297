#include "features/monitor/HostMonitorReplyReader.h"

#include "protocol/ReplyList.h"
#include "protocol/ReplyObjectReader.h"
#include "shell/Utf8Text.h"

using nsMoxHttp::ReplyObjectReader;

namespace {

// The server writes the position as "NO" or as "No".
std::int32_t Position(ReplyObjectReader& reader)
{
    return static_cast<std::int32_t>(reader.OptionalNumber("NO", reader.OptionalNumber("No", 0)));
}

std::int32_t Number32(ReplyObjectReader& reader, const char* key)
{
    return static_cast<std::int32_t>(reader.OptionalNumber(key, 0));
}

std::string Text(ReplyObjectReader& reader, const char* key)
{
    return Utf8Text::Sanitize(reader.OptionalString(key, ""));
}

std::string Note(ReplyObjectReader& reader, std::size_t limit)
{
    return std::string(Utf8Text::CutToCharacters(reader.OptionalDecodedText("Note", ""), limit));
}

// The period counters both records share.
template <class Record>
void ReadCounters(ReplyObjectReader& reader, Record& record)
{
    record.StartTime = Text(reader, "StartTime");
    record.EndTime = Text(reader, "EndTime");
    record.RequestCount = reader.OptionalNumber("RequestCount", 0);
    record.UploadCount = reader.OptionalNumber("UploadCount", 0);
    record.DownloadCount = reader.OptionalNumber("DownloadCount", 0);
    record.IpCount = Number32(reader, "IpCount");
    record.UserConnections = Number32(reader, "UserConnections");
    record.UpstreamConnections = Number32(reader, "UpstreamConnections");
    record.CurrentTickCount = reader.OptionalNumber("CurrentTickCount", 0);
}

}  // namespace

bool ReadProxyHostList(const Json::Value& root, std::vector<ProxyHost>& hosts)
{
    return nsMoxHttp::WalkReplyList(root, [&hosts](ReplyObjectReader& reader) {
        ProxyHost host;
        host.No = Position(reader);
        host.ProxyID = reader.RequiredString("ProxyID");
        host.Host = Text(reader, "Host");
        host.Balance = Number32(reader, "Balance");
        ReadCounters(reader, host);
        host.Note = Note(reader, ProxyHost::kNoteLimit);
        if (!reader.Malformed())
            hosts.push_back(std::move(host));
    });
}

bool ReadUpstreamHostList(const Json::Value& root, std::vector<UpstreamHost>& upstreams)
{
    return nsMoxHttp::WalkReplyList(root, [&upstreams](ReplyObjectReader& reader) {
        UpstreamHost upstream;
        upstream.No = Position(reader);
        upstream.UpstreamID = reader.RequiredString("UpstreamID");
        upstream.Host = Text(reader, "Host");
        ReadCounters(reader, upstream);
        upstream.IsDown = Number32(reader, "IsDown");
        upstream.DownTime = Text(reader, "DownTime");
        upstream.Note = Note(reader, UpstreamHost::kNoteLimit);
        if (!reader.Malformed())
            upstreams.push_back(std::move(upstream));
    });
}
