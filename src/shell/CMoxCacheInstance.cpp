#include "shell/CMoxCacheInstance.h"

#include "messaging/CMoxEndEvent.h"
#include "messaging/CMoxStartEvent.h"
#include "messaging/CZebEventManager.h"
#include "messaging/EventKinds.h"
#include "messaging/GlobalFunc_UpdateStatusBar.h"
#include "messaging/SessionGeneration.h"
#include "protocol/CMoxCacheProtocol.h"
#include "protocol/RequestKinds.h"
#include "protocol/RequestValues.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/TextFormat.h"
#include "shell/MoxText.h"

CMoxCacheInstance::CMoxCacheInstance()
    : startHandler_(std::make_unique<CMoxStartEvent>()), endHandler_(std::make_unique<CMoxEndEvent>())
{
    CZebEventManager::Instance()->Register(this);
}

CMoxCacheInstance::~CMoxCacheInstance()
{
    if (CZebEventManager* manager = CZebEventManager::Existing())
        manager->Unregister(this);
}

int CMoxCacheInstance::OnEventCall(int kind, std::uintptr_t, std::uintptr_t)
{
    if (kind == eMoxCacheEvent_LoginOk)
        OnLoginSucceeded();
    else if (kind == eMoxCacheEvent_ConnectClosed)
        OnConnectionClosed();
    return 0;
}

void CMoxCacheInstance::OnLoginSucceeded()
{
    if (!CMoxInstanceManager::GetInstanceManager()->ReadsAfterLogin())
        return;
    GlobalFunc_UpdateStatusBar(FormatText(MoxText::tr("正在从%s获取页面缓存列表数据，请稍候...."), Host()));
    nsMoxHttp::CMoxCacheProtocol& protocol = nsMoxHttp::CMoxCacheProtocol::GetProtocol();
    protocol.Send(eReq_SystemList, {});
    protocol.Send(eReq_RealtimeList, {});
}

void CMoxCacheInstance::OnConnectionClosed()
{
    std::lock_guard guard(lock_);
    connected_ = false;
    sessionId_.clear();
    version_.clear();
    lastLoginTime_.clear();
    versionExt_.clear();
}

unsigned long CMoxCacheInstance::SetLogin(const std::string& host, const std::string& password, int role)
{
    std::lock_guard guard(lock_);
    // Not connected before the generation moves on, so that nothing leaves with the old session
    // under the new generation.
    connected_ = false;
    host_ = host;
    password_ = password;
    role_ = role;
    return SessionGeneration::Advance();
}

void CMoxCacheInstance::SetSession(const std::string& sessionId, const std::string& userType,
                                   const std::string& lastLoginTime, const std::string& version,
                                   const std::string& versionExt)
{
    std::lock_guard guard(lock_);
    sessionId_ = sessionId;
    userType_ = userType;
    lastLoginTime_ = lastLoginTime;
    version_ = version;
    versionExt_ = versionExt;
}

#define MORVIX_GUARDED_GET(Type, Name, member) \
    Type CMoxCacheInstance::Name() const       \
    {                                          \
        std::lock_guard guard(lock_);          \
        return member;                         \
    }

MORVIX_GUARDED_GET(std::string, Host, host_)
MORVIX_GUARDED_GET(std::string, Password, password_)
MORVIX_GUARDED_GET(int, Role, role_)
MORVIX_GUARDED_GET(bool, Connected, connected_)
MORVIX_GUARDED_GET(std::string, SessionId, sessionId_)
MORVIX_GUARDED_GET(std::string, UserType, userType_)
MORVIX_GUARDED_GET(std::string, Version, version_)
MORVIX_GUARDED_GET(std::string, VersionExt, versionExt_)
MORVIX_GUARDED_GET(std::string, LastLoginTime, lastLoginTime_)
MORVIX_GUARDED_GET(std::string, LastErrorNo, lastErrorNo_)
MORVIX_GUARDED_GET(RealtimeInfo, Realtime, realtime_)
MORVIX_GUARDED_GET(SystemOptions, Options, options_)
#undef MORVIX_GUARDED_GET

void CMoxCacheInstance::SetConnected(bool connected)
{
    std::lock_guard guard(lock_);
    connected_ = connected;
}

void CMoxCacheInstance::SetPassword(const std::string& password)
{
    std::lock_guard guard(lock_);
    password_ = password;
}

void CMoxCacheInstance::SetLastErrorNo(const std::string& errorNo)
{
    std::lock_guard guard(lock_);
    lastErrorNo_ = errorNo;
}

void CMoxCacheInstance::SetRealtime(const RealtimeInfo& info)
{
    std::lock_guard guard(lock_);
    realtime_ = info;
}

void CMoxCacheInstance::SetOptions(const SystemOptions& options)
{
    std::lock_guard guard(lock_);
    options_ = options;
}
