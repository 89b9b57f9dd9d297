#include "features/config/DnsReplyReader.h"

#include "features/config/ReplyObjectArray.h"
#include "protocol/ReplyObjectReader.h"
#include "shell/Utf8Text.h"

#include <json/value.h>

using nsMoxHttp::ReplyObjectReader;

namespace {

std::string Cut(const std::string& text, std::size_t limit)
{
    return std::string(Utf8Text::CutToCharacters(Utf8Text::Sanitize(text), limit));
}

bool ReadRedirectEntries(const Json::Value& root, std::string_view key, bool isSystem,
                         std::vector<DnsRedirectEntry>& entries)
{
    return WalkReplyObjectArray(root, key, [&](ReplyObjectReader& reader) {
        DnsRedirectEntry entry;
        entry.IsSystem = isSystem;
        entry.Name = Utf8Text::Sanitize(reader.RequiredString("Name"));
        entry.IP = Utf8Text::Sanitize(reader.RequiredString("IP"));
        if (!isSystem)
            entry.TTL = static_cast<std::int32_t>(reader.OptionalNumber("TTL", entry.TTL));
        entry.Enable = static_cast<std::int32_t>(reader.OptionalNumber("Enable", entry.Enable));
        entry.THC = static_cast<std::int32_t>(reader.OptionalNumber("THC", entry.THC));
        entry.Note = Utf8Text::Sanitize(reader.OptionalDecodedText("Note", ""));
        if (!reader.Malformed())
            entries.push_back(std::move(entry));
    });
}

}  // namespace

void ReadDnsSystemOptions(const Json::Value& root, DnsSystemOptions& options)
{
    for (auto it = root.begin(); it != root.end(); ++it)
        if (it->isString())
            SetDnsSystemOption(options, it.name(), it->asString());
}

bool ReadDnsRedirectLists(const Json::Value& root, std::vector<DnsRedirectEntry>& systemEntries,
                          std::vector<DnsRedirectEntry>& userEntries)
{
    return ReadRedirectEntries(root, "SystemRedirectLists", true, systemEntries) &&
           ReadRedirectEntries(root, "UserRedirectLists", false, userEntries);
}

bool ReadDnsRedirectClasses(const Json::Value& root, std::vector<DnsRedirectClass>& classes)
{
    return WalkReplyObjectArray(root, "Lists", [&classes](ReplyObjectReader& reader) {
        DnsRedirectClass redirectClass;
        redirectClass.Name = Cut(reader.RequiredDecodedText("Name"), DnsRedirectClass::kNameLimit);
        redirectClass.Enable = static_cast<std::int32_t>(reader.OptionalNumber("Enable", redirectClass.Enable));
        if (!reader.Malformed())
            classes.push_back(std::move(redirectClass));
    });
}

bool ReadDnsBalanceHosts(const Json::Value& root, std::vector<DnsBalanceHost>& hosts)
{
    return WalkReplyObjectArray(root, "Lists", [&hosts](ReplyObjectReader& reader) {
        DnsBalanceHost host;
        host.IP = Cut(reader.RequiredString("IP"), DnsBalanceHost::kIpLimit);
        host.Enable = static_cast<std::int32_t>(reader.OptionalNumber("Enable", 0));
        host.Checking = static_cast<std::int32_t>(reader.OptionalNumber("Checking", 0));
        host.IsDown = static_cast<std::int32_t>(reader.OptionalNumber("IsDown", 0));
        host.DownTime = reader.OptionalString("DownTime", "");
        host.THC = static_cast<std::int32_t>(reader.OptionalNumber("THC", 0));
        host.Note = Cut(reader.OptionalDecodedText("Note", ""), DnsBalanceHost::kNoteLimit);
        if (!reader.Malformed())
            hosts.push_back(std::move(host));
    });
}
