#include "features/monitor/PasswordRequests.h"

#include "protocol/CMoxCacheProtocol.h"
#include "protocol/RequestKinds.h"
#include "shell/CMoxCacheInstance.h"

bool UserManager_ChangePassword(int role, const std::string& newPassword)
{
    return nsMoxHttp::CMoxCacheProtocol::GetProtocol().Send(
        eReq_UserPasswd,
        nsMoxHttp::RequestValues().Set("Username", CMoxCacheInstance::UserName(role)).Set("Password", newPassword));
}
