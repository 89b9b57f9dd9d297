#include "features/config/DiskCacheReplyReader.h"

#include "protocol/ReplyList.h"
#include "protocol/ReplyObjectReader.h"
#include "shell/Utf8Text.h"

using nsMoxHttp::ReplyObjectReader;

bool ReadDiskCacheList(const Json::Value& root, std::vector<DiskCacheEntry>& entries)
{
    return nsMoxHttp::WalkReplyList(root, [&entries](ReplyObjectReader& reader) {
        DiskCacheEntry entry;
        entry.DiskNo = static_cast<std::int32_t>(reader.RequiredNumber("DiskNo"));
        entry.Path = std::string(Utf8Text::CutToCharacters(Utf8Text::Sanitize(reader.RequiredString("Path")),
                                                           DiskCacheEntry::kPathLimit));
        entry.Enable = static_cast<std::int32_t>(reader.RequiredNumber("Enable"));
        entry.Status = static_cast<std::int32_t>(reader.RequiredNumber("Status"));
        // Unlike the rule lists, the server sends the area's texts as plain UTF-8.
        entry.Note = std::string(Utf8Text::CutToCharacters(Utf8Text::Sanitize(reader.RequiredString("Note")),
                                                           DiskCacheEntry::kNoteLimit));
        if (!reader.Malformed())
            entries.push_back(std::move(entry));
    });
}
