#include "features/access/AddressListRequests.h"

#include "protocol/CMoxCacheProtocol.h"
#include "protocol/RequestKinds.h"

using nsMoxHttp::CMoxCacheProtocol;
using nsMoxHttp::RequestValues;

namespace {
bool SendEntry(int kind, const AddressListEntry& entry, AddressList list)
{
    return CMoxCacheProtocol::GetProtocol().Send(kind, AddressListEntryValues(entry, list));
}

bool SendId(int kind, const std::string& id, AddressList list)
{
    return CMoxCacheProtocol::GetProtocol().Send(kind, RequestValues().Set(AddressListIdKey(list), id));
}
}  // namespace

RequestValues AddressListEntryValues(const AddressListEntry& entry, AddressList list)
{
    RequestValues values;
    if (!entry.Id.empty())
        values.Set(AddressListIdKey(list), entry.Id);
    values.Set("Low", entry.Low).Set("High", entry.High).Set("Expire", entry.Expire).Set("Note", entry.Note);
    return values;
}

AddressListEntry AddressListEntryFromValues(const RequestValues& values, AddressList list)
{
    AddressListEntry entry;
    entry.Id = values.Text(AddressListIdKey(list));
    entry.Low = values.Text("Low");
    entry.High = values.Text("High");
    entry.Expire = values.Text("Expire");
    entry.Note = values.Text("Note");
    return entry;
}

bool AccessList_BlackList()
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_BlackList, {});
}

bool AccessList_BlackAdd(const AddressListEntry& entry)
{
    return SendEntry(eReq_BlackAdd, entry, AddressList::Black);
}

bool AccessList_BlackModify(const AddressListEntry& entry)
{
    return SendEntry(eReq_BlackModify, entry, AddressList::Black);
}

bool AccessList_BlackDel(const std::string& blackId)
{
    return SendId(eReq_BlackDel, blackId, AddressList::Black);
}

bool AccessList_WhiteList()
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_WhiteList, {});
}

bool AccessList_WhiteAdd(const AddressListEntry& entry)
{
    return SendEntry(eReq_WhiteAdd, entry, AddressList::White);
}

bool AccessList_WhiteModify(const AddressListEntry& entry)
{
    return SendEntry(eReq_WhiteModify, entry, AddressList::White);
}

bool AccessList_WhiteDel(const std::string& whiteId)
{
    return SendId(eReq_WhiteDel, whiteId, AddressList::White);
}
