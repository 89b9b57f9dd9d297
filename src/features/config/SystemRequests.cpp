#include "features/config/SystemRequests.h"

#include "protocol/CMoxCacheProtocol.h"
#include "protocol/RequestKinds.h"

#include <string>

using nsMoxHttp::CMoxCacheProtocol;
using nsMoxHttp::RequestValues;

bool SystemManager_List()
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_SystemList, {});
}

bool SystemManager_Modify(SystemModifyKind kind, const SystemOptionChangeSet& changes)
{
    if (changes.empty())
        return false;
    RequestValues values;
    values.Set(kSystemModifyKindField, static_cast<long long>(kind));
    for (const SystemOptionChange& change : changes)
        values.AddExtraPair(std::string(change.modifyKey), std::to_string(change.value));
    return CMoxCacheProtocol::GetProtocol().Send(eReq_SystemModify, values);
}
