#include "shell/LegacyLoginHistory.h"

#include "shell/LeadingDecimal.h"
#include "shell/SavedPasswordCipher.h"
#include "shell/Utf8Text.h"

#include <tinyxml2.h>

#include <strings.h>

#include <fstream>
#include <iterator>

namespace {

std::string Attribute(const tinyxml2::XMLElement& element, const char* name)
{
    const char* value = element.Attribute(name);
    return value ? std::string(value) : std::string();
}

std::string DecodedPassword(const tinyxml2::XMLElement& element, const char* name)
{
    const std::string hex = Attribute(element, name);
    return hex.empty() ? std::string() : SavedPasswordCipher::Decode(hex);
}

}  // namespace

std::vector<LoginHistoryRecord> ReadLegacyLoginHistory(const std::filesystem::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    if (!stream)
        return {};
    const std::string text{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    return ParseLegacyLoginHistory(text);
}

std::vector<LoginHistoryRecord> ParseLegacyLoginHistory(std::string_view text)
{
    std::vector<LoginHistoryRecord> records;
    tinyxml2::XMLDocument document;
    if (document.Parse(text.data(), text.size()) != tinyxml2::XML_SUCCESS)
        return records;
    const tinyxml2::XMLElement* root = document.RootElement();
    if (!root)
        return records;
    for (const tinyxml2::XMLElement* user = root->FirstChildElement(); user; user = user->NextSiblingElement()) {
        if (::strcasecmp(user->Name(), "User") != 0)
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
