#include "shell/CMoxInstanceManager.h"

#include "messaging/GlobalFunc_UpdateStatusBar.h"
#include "shell/AppPaths.h"
#include "shell/CMoxCacheInstance.h"

#include <ctime>
#include "shell/MoxText.h"

CMoxInstanceManager* CMoxInstanceManager::GetInstanceManager()
{
    static CMoxInstanceManager manager;
    return &manager;
}

CMoxInstanceManager::CMoxInstanceManager() : startTime_(static_cast<std::int64_t>(std::time(nullptr)))
{
    options_.Init();
    AppPaths::CreateUserDataDirectories();
    dataDir_ = AppPaths::UserDataDirectory();
}

CMoxCacheInstance* CMoxInstanceManager::CreateInstance(const std::string& password, const std::string& host, int role,
                                                       unsigned long* attempt)
{
    std::lock_guard guard(lock_);
    if (!instance_)
        instance_ = std::make_unique<CMoxCacheInstance>();
    const unsigned long generation = instance_->SetLogin(host, password, role);
    if (attempt)
        *attempt = generation;
    return instance_.get();
}

CMoxCacheInstance* CMoxInstanceManager::GetInstance() const
{
    std::lock_guard guard(lock_);
    return instance_.get();
}

int CMoxInstanceManager::CheckSession() const
{
    const CMoxCacheInstance* instance = GetInstance();
    if (instance && instance->Connected())
        return 0;
    GlobalFunc_UpdateStatusBar(MoxText::tr("您未连接到远程Morvix缓存服务器或会话已经过期，请连接服务器。"));
    return 1;
}
