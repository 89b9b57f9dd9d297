#include "shell/MoxLogin.h"

#include "messaging/EventKinds.h"
#include "messaging/GlobalFunc_UpdateStatusBar.h"
#include "messaging/PostCacheEvent.h"
#include "protocol/CMoxCacheProtocol.h"
#include "protocol/CMoxHttpCallback.h"
#include "protocol/RequestKinds.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/CMoxLoginEventParam.h"
#include "shell/TextFormat.h"

#include <memory>
#include "shell/MoxText.h"

unsigned long MoxLogin(const std::string& host, int role, const std::string& password, int passThrough)
{
    // The old session belongs to the old host: the instance ends it, so nothing is sent with it to
    // the new one.
    unsigned long attempt = 0;
    CMoxCacheInstance* instance =
        CMoxInstanceManager::GetInstanceManager()->CreateInstance(password, host, role, &attempt);
    const nsMoxHttp::CatalogueRow* row = nsMoxHttp::FindCatalogueRow(eReq_SignIn);
    if (!instance || !row)
        return 0;

    auto started = RecordHandle<CMoxLoginEventParam>::Make();
    started->host = host;
    started->roleName = CMoxCacheInstance::UserName(role);
    started->password = password;
    started->passThrough = passThrough;
    started->attempt = attempt;
    PostCacheEvent(eMoxCacheEvent_LoginStart, std::move(started), 0);
    GlobalFunc_UpdateStatusBar(FormatText(MoxText::tr("正在连接到 %s"), host));

    auto callback = std::make_unique<nsMoxHttp::CMoxHttpCallback>();
    callback->SetPassThrough(passThrough);
    nsMoxHttp::RequestValues values;
    values.Set("Username", std::string(CMoxCacheInstance::UserName(role))).Set("Password", password);
    return nsMoxHttp::CMoxCacheProtocol::GetProtocol().Send(*row, values, std::move(callback)) ? attempt : 0;
}
