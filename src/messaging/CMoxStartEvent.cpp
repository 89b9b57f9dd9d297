#include "messaging/CMoxStartEvent.h"

#include "messaging/CZebEventManager.h"

CMoxStartEvent::CMoxStartEvent()
{
    CZebEventManager::Instance()->SetStartHandler(this);
}

CMoxStartEvent::~CMoxStartEvent()
{
    if (CZebEventManager* manager = CZebEventManager::Existing())
        manager->UnsetStartHandler(this);
}

int CMoxStartEvent::OnEventCall(int, std::uintptr_t, std::uintptr_t)
{
    return 0;
}
