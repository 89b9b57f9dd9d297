#include "features/access/AddressListReplyReader.h"

#include "protocol/ReplyList.h"
#include "protocol/ReplyObjectReader.h"

using nsMoxHttp::ReplyObjectReader;

bool ReadAddressList(const Json::Value& root, AddressList list, std::vector<AddressListEntry>& entries)
{
    return nsMoxHttp::WalkReplyList(root, [&entries, list](ReplyObjectReader& reader) {
        AddressListEntry entry;
        entry.No = static_cast<std::int32_t>(reader.RequiredNumber("NO"));
        entry.Id = reader.RequiredString(AddressListIdKey(list));
        entry.Low = reader.RequiredString("Low");
        entry.High = reader.RequiredString("High");
        entry.Expire = reader.RequiredString("Expire");
        entry.Note = reader.RequiredDecodedText("Note");
        if (!reader.Malformed())
            entries.push_back(std::move(entry));
    });
}
