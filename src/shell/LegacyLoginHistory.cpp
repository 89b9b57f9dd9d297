#include "shell/LegacyLoginHistory.h"

#include "shell/LeadingDecimal.h"
#include "shell/SavedPasswordCipher.h"
#include "shell/Utf8Text.h"

#include <tinyxml.h>

#include <strings.h>

namespace {

std::string Attribute(const TiXmlElement& element, const char* name)
{
    const char* value = element.Attribute(name);
    return value ? std::string(value) : std::string();
}

std::string DecodedPassword(const TiXmlElement& element, const char* name)
{
    const std::string hex = Attribute(element, name);
    return hex.empty() ? std::string() : SavedPasswordCipher::Decode(hex);
}

}  // namespace

std::vector<LoginHistoryRecord> ReadLegacyLoginHistory(const std::filesystem::path& file)
{
    std::vector<LoginHistoryRecord> records;
    TiXmlDocument document;
    if (!document.LoadFile(file.c_str()))
        return records;
    const TiXmlElement* root = document.RootElement();
    if (!root)
        return records;
    for (const TiXmlElement* user = root->FirstChildElement(); user; user = user->NextSiblingElement()) {
        if (::strcasecmp(user->Value(), "User") != 0)
            continue;
        LoginHistoryRecord record;
        record.host = Attribute(*user, "ip");
        record.saveAdmin = LeadingDecimal(Attribute(*user, "AdminSavePasswd")) != 0;
        record.saveKeeper = LeadingDecimal(Attribute(*user, "KeeperSavePasswd")) != 0;
        // Older consoles wrote the label in their own code page; keep what reads as text.
        record.name = Utf8Text::Sanitize(Attribute(*user, "Name"));
        record.adminPassword = DecodedPassword(*user, "AdminPassword");
        record.keeperPassword = DecodedPassword(*user, "KeeperPassword");
        records.push_back(std::move(record));
    }
    return records;
}
