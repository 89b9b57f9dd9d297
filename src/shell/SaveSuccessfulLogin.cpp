#include "shell/SaveSuccessfulLogin.h"

#include "shell/CMoxInstanceManager.h"
#include "shell/LoginHistory.h"

#include <ctime>

bool SaveSuccessfulLogin(const HostText& target, int role, const std::string& password, bool rememberPassword)
{
    CMoxInstanceManager* manager = CMoxInstanceManager::GetInstanceManager();
    const bool optionsWritten = manager->Options().WriteHost(target.host) && manager->Options().WriteUser(role);
    const bool historyWritten = LoginHistory(manager->DataDir())
                                    .SaveLogin(target, role, password, rememberPassword,
                                               static_cast<std::int64_t>(std::time(nullptr)));
    return optionsWritten && historyWritten;
}
