#pragma once

#include "features/access/RewriteRule.h"
#include "features/cache/FCacheRule.h"
#include "features/cache/RCacheRule.h"
#include "features/cache/SCacheRule.h"
#include "features/config/SystemOptions.h"
#include "features/monitor/RealtimeInfo.h"
#include "messaging/IEventHandle.h"
#include "shell/CachedRecordList.h"

#include <memory>
#include <mutex>
#include <string>

class CMoxStartEvent;
class CMoxEndEvent;

enum MoxRole : int { eMoxRole_Admin = 0, eMoxRole_Keeper = 1 };

// The connected server as the console knows it. Written by reply parsers on request threads and by
// the event thread, read by builders on the user-interface thread: every text is guarded.
class CMoxCacheInstance : public IEventHandle {
public:
    CMoxCacheInstance();
    ~CMoxCacheInstance() override;
    CMoxCacheInstance(const CMoxCacheInstance&) = delete;
    CMoxCacheInstance& operator=(const CMoxCacheInstance&) = delete;

    int OnEventCall(int kind, std::uintptr_t param1, std::uintptr_t param2) override;

    // What a login attempt sets before the sign-in request goes out. The attempt ends the session
    // and begins a session generation of its own, which it returns: replies to what was sent before
    // reach no one from now on.
    unsigned long SetLogin(const std::string& host, const std::string& password, int role);
    // What a successful sign-in reply brings.
    void SetSession(const std::string& sessionId, const std::string& userType, const std::string& lastLoginTime,
                    const std::string& version, const std::string& versionExt);
    void SetConnected(bool connected);
    void SetPassword(const std::string& password);
    void SetLastErrorNo(const std::string& errorNo);

    std::string Host() const;
    std::string Password() const;
    int Role() const;
    bool Connected() const;
    std::string SessionId() const;
    std::string UserType() const;
    std::string Version() const;
    std::string VersionExt() const;
    std::string LastLoginTime() const;
    std::string LastErrorNo() const;

    RealtimeInfo Realtime() const;
    void SetRealtime(const RealtimeInfo& info);
    SystemOptions Options() const;
    void SetOptions(const SystemOptions& options);

    static const char* UserName(int role) { return role == eMoxRole_Keeper ? "keeper" : "admin"; }

    CachedRecordList<FCacheRule, &FCacheRule::Wid> fcacheRules;
    CachedRecordList<RCacheRule, &RCacheRule::Wid> rcacheRules;
    CachedRecordList<SCacheRule, &SCacheRule::Wid> scacheRules;
    CachedRecordList<RewriteRule, &RewriteRule::RewriteID> rewriteRules;

private:
    void OnLoginSucceeded();
    void OnConnectionClosed();

    mutable std::mutex lock_;
    std::string host_;
    std::string password_;
    int role_ = eMoxRole_Admin;
    bool connected_ = false;
    std::string sessionId_;
    std::string userType_;
    std::string version_;
    std::string versionExt_;
    std::string lastLoginTime_;
    std::string lastErrorNo_;
    RealtimeInfo realtime_;
    SystemOptions options_;

    std::unique_ptr<CMoxStartEvent> startHandler_;
    std::unique_ptr<CMoxEndEvent> endHandler_;
};
