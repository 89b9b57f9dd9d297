#include "shell/SayThenSend.h"

#include "messaging/GlobalFunc_UpdateStatusBar.h"
#include "protocol/SentRequestNumber.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"

unsigned long SayThenSend(const std::string& text, const std::function<bool()>& send)
{
    const CMoxCacheInstance* instance = CMoxInstanceManager::GetInstanceManager()->GetInstance();
    if (instance && instance->Connected())
        GlobalFunc_UpdateStatusBar(text);
    return nsMoxHttp::SentRequestNumber(send);
}
