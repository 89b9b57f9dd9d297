#include "features/monitor/RealtimeReplyReader.h"

#include "protocol/ReplyObjectReader.h"
#include "shell/Utf8Text.h"

using nsMoxHttp::ReplyObjectReader;

namespace {
constexpr std::size_t kTimeTextLimit = 30;

template <class Field>
void ReadNumber(ReplyObjectReader& reader, const char* key, Field& field)
{
    field = static_cast<Field>(reader.OptionalNumber(key, field));
}

void ReadTime(ReplyObjectReader& reader, const char* key, std::string& field)
{
    if (std::optional<std::string> text = reader.FindString(key))
        field = std::string(Utf8Text::CutToCharacters(Utf8Text::Sanitize(*text), kTimeTextLimit));
}
}  // namespace

void ReadRealtimeInfo(const Json::Value& root, RealtimeInfo& info)
{
    ReplyObjectReader reader(root);
    ReadNumber(reader, "CurrentUserConnections", info.CurrentUserConnections);
    ReadNumber(reader, "CurrentUpstreamConnections", info.CurrentUpstreamConnections);
    ReadNumber(reader, "AllUsedMemSize", info.AllUsedMemSize);
    ReadNumber(reader, "CacheUsedMemSize", info.CacheUsedMemSize);
    ReadNumber(reader, "NumOfCaches", info.NumOfCaches);
    ReadNumber(reader, "TotalSendKB", info.TotalSendKB);
    ReadNumber(reader, "TotalRecvKB", info.TotalRecvKB);
    ReadNumber(reader, "NumOfCachedSessions", info.NumOfCachedSessions);
    ReadNumber(reader, "NumOfPublicCaches", info.NumOfPublicCaches);
    ReadNumber(reader, "NumOfMemberCaches", info.NumOfMemberCaches);
    ReadNumber(reader, "NumOfVisitorCaches", info.NumOfVisitorCaches);
    ReadNumber(reader, "PublicCacheUsedMemSize", info.PublicCacheUsedMemSize);
    ReadNumber(reader, "MemberCacheUsedMemSize", info.MemberCacheUsedMemSize);
    ReadNumber(reader, "VisitorCacheUsedMemSize", info.VisitorCacheUsedMemSize);
    ReadNumber(reader, "TotalSendToResponseKB", info.TotalSendToResponseKB);
    ReadNumber(reader, "TotalRecvFromResponseKB", info.TotalRecvFromResponseKB);
    ReadNumber(reader, "CountOfAFRWR", info.CountOfAFRWR);
    ReadNumber(reader, "NumOfDiskCaches", info.NumOfDiskCaches);
    ReadNumber(reader, "SizeOfDiskCachesIndex", info.SizeOfDiskCachesIndex);
    ReadNumber(reader, "NumOfDNSCaches", info.NumOfDNSCaches);
    ReadNumber(reader, "TotalPhyMemSizeKB", info.TotalPhyMemSizeKB);
    ReadNumber(reader, "FreePhyMemSizeKB", info.FreePhyMemSizeKB);
    ReadNumber(reader, "MoxPeakUsedMemSizeKB", info.MoxPeakUsedMemSizeKB);
    ReadNumber(reader, "MoxUsedMemSizeKB", info.MoxUsedMemSizeKB);
    info.CurrentTickCount = reader.OptionalNumber("CurrentTickCount", 0);
    ReadTime(reader, "StartTime", info.StartTime);
    ReadTime(reader, "CurrentTime", info.CurrentTime);
}
