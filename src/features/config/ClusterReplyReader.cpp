#include "features/config/ClusterReplyReader.h"

#include "features/config/ReplyObjectArray.h"
#include "protocol/ReplyObjectReader.h"
#include "shell/Utf8Text.h"

using nsMoxHttp::ReplyObjectReader;

namespace {

std::string Cut(std::string text, std::size_t limit)
{
    return std::string(Utf8Text::CutToCharacters(Utf8Text::Sanitize(text), limit));
}

}  // namespace

bool ReadClusterConfig(const Json::Value& root, ClusterConfig& config)
{
    ReplyObjectReader reader(root);
    config.Role = static_cast<std::int16_t>(reader.RequiredNumber("Role"));
    if (config.Role == 1) {
        config.Binding = static_cast<std::uint16_t>(reader.RequiredNumber("Binding"));
        config.Auth = Cut(reader.RequiredString("Auth"), ClusterConfig::kAuthLimit);
    } else if (config.Role == 2) {
        config.Host = Cut(reader.RequiredString("Host"), ClusterConfig::kHostLimit);
        config.Auth = Cut(reader.RequiredString("Auth"), ClusterConfig::kAuthLimit);
        config.SlaveID = Cut(reader.RequiredDecodedText("SlaveID"), ClusterConfig::kSlaveIdLimit);
    }
    if (config.Role == 1 || config.Role == 2)
        config.Note = Cut(reader.OptionalDecodedText("Note", ""), ClusterConfig::kNoteLimit);
    return !reader.Malformed();
}

bool ReadClusterStatus(const Json::Value& root, ClusterConfig& config, std::vector<ClusterConfig>& slaves)
{
    ReplyObjectReader reader(root);
    config.Role = static_cast<std::int16_t>(reader.RequiredNumber("Role"));
    config.MasterStatus = static_cast<std::int16_t>(reader.OptionalNumber("MasterStatus", 0));
    config.SlaveStatus = static_cast<std::int16_t>(reader.OptionalNumber("SlaveStatus", 0));
    if (reader.Malformed())
        return false;
    return WalkReplyObjectArray(root, "Lists", [&slaves](ReplyObjectReader& element) {
        ClusterConfig slave;
        slave.Role = 2;
        slave.NO = static_cast<std::int32_t>(element.RequiredNumber("NO"));
        slave.SlaveID = Cut(element.RequiredDecodedText("SlaveID"), ClusterConfig::kSlaveIdLimit);
        slave.Host = Cut(element.RequiredString("IP"), ClusterConfig::kHostLimit);
        slave.LoginTime = element.RequiredString("LoginTime");
        slave.SlaveStatus = static_cast<std::int16_t>(element.RequiredNumber("SlaveStatus"));
        slave.Note = Cut(element.RequiredDecodedText("Note"), ClusterConfig::kNoteLimit);
        if (!element.Malformed())
            slaves.push_back(std::move(slave));
    });
}
